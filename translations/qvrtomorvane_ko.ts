<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QVRToMorvane
Version: 0.1
The QVRtoMorvane project
Free software, MIT licence</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BatchDialog</name>
    <message>
        <source>waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Converting %n code(s) into %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert Several Codes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What became of it</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CodeSession</name>
    <message>
        <source>plain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>underlined</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dashed underline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>struck through</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every segment was copied as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>#%1 stands beyond the part of the code shown here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>#%1 was dropped: nothing of it is in the Morvane code.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>#%1 stands beyond the part of the Morvane code shown here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(clipboard)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(shared)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CodeText</name>
    <message>
        <source>Showing the first %1 KB of %2 bytes; Save and Copy give the whole code.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConversionDetails</name>
    <message>
        <source>Conversion Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;QVR code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Morvane code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Segments not copied (select one to find it in both codes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>#</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Segment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Why</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConversionReport</name>
    <message>
        <source>copied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>renumbered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dropped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the last value is cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the last two values are cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the last three values are cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the last four values are cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the last two characters are cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing is left once %1 loses its last two characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the last six characters are cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing is left once %1 loses its last six characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, value 11 becomes 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, and a value 1 is added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: slot %2 stays %3, %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: slot %2 becomes %3, %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: value %2 becomes %3 and value %4 becomes %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Morvane takes no &quot;%1&quot; segments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>all %1 %2 slots are taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a %1 segment needs at least %2 values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an %1 segment needs at least %2 values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>value 0 has no slot number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the last value kept, &quot;%1&quot;, is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the lead number &quot;%1&quot; is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the last value kept, %1, is above %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the lead number %1 is above %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n segments: %1 copied, %2 changed, %3 renumbered, %4 dropped</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step 1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step 2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step 3:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step 4:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click the &quot;LOAD QVR FILE&quot; button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a qvr code .txt file to load into the
program and load it in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If the loaded file is valid, click on the
&quot;CONVERT QVR TO MORVANE&quot; button. If
the file is invalid, try to select a
different file that is valid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click on the &quot;SAVE MORVANE CODE
TO COMPUTER&quot; button and save as
a new .txt file, or highlight the new
displayed morvane code and copy-paste
it into the morvane import screen.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Converts a character code for the QVR variant of the dress-up program into a code that Morvane imports. Everything happens in this page: nothing is sent anywhere.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PASTE QVR CODE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COPY MORVANE CODE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SHARE MORVANE CODE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QVR code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Morvane code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Segments not copied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Several codes at once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Converts a handful of code files, or a whole folder, into one zip; the code above stays as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CONVERT SEVERAL CODES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CONVERT A FOLDER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SAVE ALL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STOP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click the &quot;LOAD QVR FILE&quot; button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a qvr code .txt file to load into the program and load it in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(You may also drop the file on this page, or paste the code: &quot;PASTE QVR CODE&quot;, Ctrl+V anywhere, or on a phone a long press in the box above the convert button, then Paste. Once the page is installed, a phone&apos;s Share in a chat offers it too: the code in a shared message is taken, whatever words are around it.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If the loaded file is valid, click on the &quot;CONVERT QVR TO MORVANE&quot; button. If the file is invalid, try to select a different file that is valid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click on the &quot;SAVE MORVANE CODE TO COMPUTER&quot; button and save as a new .txt file, or copy the new displayed morvane code and paste it into the morvane import screen (on a phone, &quot;SHARE MORVANE CODE&quot; sends it straight back into a chat).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Codes converted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What became of each code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This browser could not start the converter: try another browser.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page failed and must be reloaded to convert again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the browser could not read it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the browser refused</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QVRtoMorvane</name>
    <message>
        <source>LOAD QVR FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected File:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CONVERT QVR TO MORVANE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SAVE MORVANE CODE TO COMPUTER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CLEAR CURRENT CODES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conversion Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QVRtoMorvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected File: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste QVR Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert Several Codes...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Morvane Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Shift+C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Above: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Below: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Code to File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The code could not be saved to &quot;%1&quot;:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the codes to convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert Several Codes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a folder for the Morvane codes</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n of these codes would replace a file of the same name in %1.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Replace Them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip Them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QVR Code will be displayed here...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Morvane Code will be displayed here...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file you provided is not a valid QVR file!!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StepMessage</name>
    <message>
        <source>Loaded %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loaded the pasted code.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a QVR code: it does not begin with 106 or 107.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a QVR code: its header is incomplete or one of its segments is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pasted text is not a QVR code: it does not begin with 106 or 107.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pasted text is not a QVR code: its header is incomplete or one of its segments is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds %2; codes of up to %3 can be converted here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Converted: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be saved: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Morvane code copied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The code could not be copied (%1): select it in the lower box and copy it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clipboard holds no text to paste.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This browser does not let the page read the clipboard: press Ctrl+V, or on a phone long-press the box above the convert button and choose Paste.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only a file can be dropped here; to load a code as text, paste it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loaded the shared code.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loaded the QVR code found in the shared text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The shared text is not a QVR code: it does not begin with 106 or 107.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The shared text is not a QVR code: its header is incomplete or one of its segments is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Morvane code shared.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The code could not be shared (%1): copy it instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>converted: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>converted into %2, since another code has the same name: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a QVR code: it does not begin with 106 or 107</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a QVR code: its header is incomplete or one of its segments is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds %1; codes of up to %2 can be converted here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not be written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not converted: a file of its name was there already, and stays as it was</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not converted: the batch was stopped before it</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Converted %1 of %n codes.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stopped: converted %1 of %n codes; every file written before is whole.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>There are no .txt files to convert here.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
