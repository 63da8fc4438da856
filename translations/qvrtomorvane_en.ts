<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>BatchDialog</name>
    <message numerus="yes">
        <source>Converting %n code(s) into %1</source>
        <translation>
            <numerusform>Converting %n code into %1</numerusform>
            <numerusform>Converting %n codes into %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CodeSession</name>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... and %n more</numerusform>
            <numerusform>... and %n more</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ConversionReport</name>
    <message numerus="yes">
        <source>%n segments: %1 copied, %2 changed, %3 renumbered, %4 dropped</source>
        <translation>
            <numerusform>%n segment: %1 copied, %2 changed, %3 renumbered, %4 dropped</numerusform>
            <numerusform>%n segments: %1 copied, %2 changed, %3 renumbered, %4 dropped</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QVRtoMorvane</name>
    <message numerus="yes">
        <source>%n of these codes would replace a file of the same name in %1.</source>
        <translation>
            <numerusform>%n of these codes would replace a file of the same name in %1.</numerusform>
            <numerusform>%n of these codes would replace a file of the same name in %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StepMessage</name>
    <message numerus="yes">
        <source>Converted %1 of %n codes.</source>
        <translation>
            <numerusform>Converted %1 of %n code.</numerusform>
            <numerusform>Converted %1 of %n codes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stopped: converted %1 of %n codes; every file written before is whole.</source>
        <translation>
            <numerusform>Stopped: converted %1 of %n code; every file written before is whole.</numerusform>
            <numerusform>Stopped: converted %1 of %n codes; every file written before is whole.</numerusform>
        </translation>
    </message>
</context>
</TS>
