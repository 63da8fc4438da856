<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>QVRToMorvane
Version: 0.1
The QVRtoMorvane project
Free software, MIT licence</source>
        <translation>QVRToMorvane
Version: 0.1
Das Projekt QVRtoMorvane
Freie Software, MIT-Lizenz</translation>
    </message>
</context>
<context>
    <name>BatchDialog</name>
    <message>
        <source>waiting</source>
        <translation>wartet</translation>
    </message>
    <message numerus="yes">
        <source>Converting %n code(s) into %1</source>
        <translation>
            <numerusform>%n Code wird umgewandelt, Ziel: %1</numerusform>
            <numerusform>%n Codes werden umgewandelt, Ziel: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Convert Several Codes</source>
        <translation>Mehrere Codes umwandeln</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>What became of it</source>
        <translation>Was daraus wurde</translation>
    </message>
</context>
<context>
    <name>CodeSession</name>
    <message>
        <source>plain</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>underlined</source>
        <translation>unterstrichen</translation>
    </message>
    <message>
        <source>dashed underline</source>
        <translation>gestrichelt unterstrichen</translation>
    </message>
    <message>
        <source>struck through</source>
        <translation>durchgestrichen</translation>
    </message>
    <message>
        <source>Every segment was copied as it was.</source>
        <translation>Jedes Segment wurde unverändert kopiert.</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... und %n weiteres</numerusform>
            <numerusform>... und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>#%1 stands beyond the part of the code shown here.</source>
        <translation>#%1 liegt außerhalb des hier gezeigten Teils des Codes.</translation>
    </message>
    <message>
        <source>#%1 was dropped: nothing of it is in the Morvane code.</source>
        <translation>#%1 wurde entfernt: Im Morvane-Code ist nichts davon enthalten.</translation>
    </message>
    <message>
        <source>#%1 stands beyond the part of the Morvane code shown here.</source>
        <translation>#%1 liegt außerhalb des hier gezeigten Teils des Morvane-Codes.</translation>
    </message>
    <message>
        <source>(clipboard)</source>
        <translation>(Zwischenablage)</translation>
    </message>
    <message>
        <source>(shared)</source>
        <translation>(geteilt)</translation>
    </message>
</context>
<context>
    <name>CodeText</name>
    <message>
        <source>Showing the first %1 KB of %2 bytes; Save and Copy give the whole code.</source>
        <translation>Gezeigt werden die ersten %1 KB von %2 Bytes; Speichern und Kopieren nehmen den ganzen Code.</translation>
    </message>
</context>
<context>
    <name>ConversionDetails</name>
    <message>
        <source>Conversion Details</source>
        <translation>Umwandlungsdetails</translation>
    </message>
    <message>
        <source>&amp;QVR code</source>
        <translation>&amp;QVR-Code</translation>
    </message>
    <message>
        <source>&amp;Morvane code</source>
        <translation>&amp;Morvane-Code</translation>
    </message>
    <message>
        <source>&amp;Segments not copied (select one to find it in both codes)</source>
        <translation>Nicht kopierte &amp;Segmente (wähle eines aus, um es in beiden Codes zu finden)</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Segment</source>
        <translation>Segment</translation>
    </message>
    <message>
        <source>Fate</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Grund</translation>
    </message>
</context>
<context>
    <name>ConversionReport</name>
    <message>
        <source>copied</source>
        <translation>kopiert</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>geändert</translation>
    </message>
    <message>
        <source>renumbered</source>
        <translation>umnummeriert</translation>
    </message>
    <message>
        <source>dropped</source>
        <translation>entfernt</translation>
    </message>
    <message>
        <source>the last value is cut</source>
        <translation>der letzte Wert wird abgeschnitten</translation>
    </message>
    <message>
        <source>the last two values are cut</source>
        <translation>die letzten zwei Werte werden abgeschnitten</translation>
    </message>
    <message>
        <source>the last three values are cut</source>
        <translation>die letzten drei Werte werden abgeschnitten</translation>
    </message>
    <message>
        <source>the last four values are cut</source>
        <translation>die letzten vier Werte werden abgeschnitten</translation>
    </message>
    <message>
        <source>the last two characters are cut</source>
        <translation>die letzten zwei Zeichen werden abgeschnitten</translation>
    </message>
    <message>
        <source>nothing is left once %1 loses its last two characters</source>
        <translation>von %1 bleibt nichts übrig, wenn die letzten zwei Zeichen wegfallen</translation>
    </message>
    <message>
        <source>the last six characters are cut</source>
        <translation>die letzten sechs Zeichen werden abgeschnitten</translation>
    </message>
    <message>
        <source>nothing is left once %1 loses its last six characters</source>
        <translation>von %1 bleibt nichts übrig, wenn die letzten sechs Zeichen wegfallen</translation>
    </message>
    <message>
        <source>%1, value 11 becomes 1</source>
        <translation>%1, Wert 11 wird zu 1</translation>
    </message>
    <message>
        <source>%1, and a value 1 is added</source>
        <translation>%1 und ein Wert 1 wird angehängt</translation>
    </message>
    <message>
        <source>%1: slot %2 stays %3, %4</source>
        <translation>%1: Slot %2 bleibt %3, %4</translation>
    </message>
    <message>
        <source>%1: slot %2 becomes %3, %4</source>
        <translation>%1: Slot %2 wird zu %3, %4</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: value %2 becomes %3 and value %4 becomes %5</source>
        <translation>%1: Wert %2 wird zu %3 und Wert %4 wird zu %5</translation>
    </message>
    <message>
        <source>Morvane takes no &quot;%1&quot; segments</source>
        <translation>Morvane nimmt keine „%1“-Segmente an</translation>
    </message>
    <message>
        <source>all %1 %2 slots are taken</source>
        <translation>alle %1 %2-Slots sind belegt</translation>
    </message>
    <message>
        <source>a %1 segment needs at least %2 values</source>
        <translation>ein %1-Segment braucht mindestens %2 Werte</translation>
    </message>
    <message>
        <source>an %1 segment needs at least %2 values</source>
        <translation>ein %1-Segment braucht mindestens %2 Werte</translation>
    </message>
    <message>
        <source>value 0 has no slot number</source>
        <translation>Wert 0 enthält keine Slotnummer</translation>
    </message>
    <message>
        <source>the last value kept, &quot;%1&quot;, is not a number</source>
        <translation>der letzte behaltene Wert „%1“ ist keine Zahl</translation>
    </message>
    <message>
        <source>the lead number &quot;%1&quot; is not a number</source>
        <translation>die Hauptnummer „%1“ ist keine Zahl</translation>
    </message>
    <message>
        <source>the last value kept, %1, is above %2</source>
        <translation>der letzte behaltene Wert %1 ist größer als %2</translation>
    </message>
    <message>
        <source>the lead number %1 is above %2</source>
        <translation>die Hauptnummer %1 ist größer als %2</translation>
    </message>
    <message numerus="yes">
        <source>%n segments: %1 copied, %2 changed, %3 renumbered, %4 dropped</source>
        <translation>
            <numerusform>%n Segment: %1 kopiert, %2 geändert, %3 umnummeriert, %4 entfernt</numerusform>
            <numerusform>%n Segmente: %1 kopiert, %2 geändert, %3 umnummeriert, %4 entfernt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Step 1:</source>
        <translation>Schritt 1:</translation>
    </message>
    <message>
        <source>Step 2:</source>
        <translation>Schritt 2:</translation>
    </message>
    <message>
        <source>Step 3:</source>
        <translation>Schritt 3:</translation>
    </message>
    <message>
        <source>Step 4:</source>
        <translation>Schritt 4:</translation>
    </message>
    <message>
        <source>Click the &quot;LOAD QVR FILE&quot; button.</source>
        <translation>Klicke auf „QVR-DATEI LADEN“.</translation>
    </message>
    <message>
        <source>Select a qvr code .txt file to load into the
program and load it in.</source>
        <translation>Wähle eine .txt-Datei mit einem
QVR-Code aus, um sie zu laden.</translation>
    </message>
    <message>
        <source>If the loaded file is valid, click on the
&quot;CONVERT QVR TO MORVANE&quot; button. If
the file is invalid, try to select a
different file that is valid.</source>
        <translation>Ist die Datei gültig, klicke auf
„QVR IN MORVANE UMWANDELN“.
Sonst wähle eine andere,
gültige Datei aus.</translation>
    </message>
    <message>
        <source>Click on the &quot;SAVE MORVANE CODE
TO COMPUTER&quot; button and save as
a new .txt file, or highlight the new
displayed morvane code and copy-paste
it into the morvane import screen.</source>
        <translation>Klicke auf die Schaltfläche
„MORVANE-CODE SPEICHERN“ und
speichere ihn als .txt-Datei, oder
kopiere den neuen Morvane-Code in
den Import-Bildschirm von Morvane.</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Converts a character code for the QVR variant of the dress-up program into a code that Morvane imports. Everything happens in this page: nothing is sent anywhere.</source>
        <translation>Wandelt einen Charaktercode für die QVR-Variante des Anziehspiels in einen Code um, den Morvane importieren kann. Alles passiert auf dieser Seite: Nichts wird irgendwohin gesendet.</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>PASTE QVR CODE</source>
        <translation>QVR-CODE EINFÜGEN</translation>
    </message>
    <message>
        <source>COPY MORVANE CODE</source>
        <translation>MORVANE-CODE KOPIEREN</translation>
    </message>
    <message>
        <source>SHARE MORVANE CODE</source>
        <translation>MORVANE-CODE TEILEN</translation>
    </message>
    <message>
        <source>QVR code</source>
        <translation>QVR-Code</translation>
    </message>
    <message>
        <source>Morvane code</source>
        <translation>Morvane-Code</translation>
    </message>
    <message>
        <source>Segments not copied</source>
        <translation>Nicht kopierte Segmente</translation>
    </message>
    <message>
        <source>Several codes at once</source>
        <translation>Mehrere Codes auf einmal</translation>
    </message>
    <message>
        <source>Converts a handful of code files, or a whole folder, into one zip; the code above stays as it is.</source>
        <translation>Wandelt einige Code-Dateien oder einen ganzen Ordner in eine ZIP-Datei um; der Code oben bleibt, wie er ist.</translation>
    </message>
    <message>
        <source>CONVERT SEVERAL CODES</source>
        <translation>MEHRERE CODES UMWANDELN</translation>
    </message>
    <message>
        <source>CONVERT A FOLDER</source>
        <translation>ORDNER UMWANDELN</translation>
    </message>
    <message>
        <source>SAVE ALL</source>
        <translation>ALLE SPEICHERN</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOPP</translation>
    </message>
    <message>
        <source>Click the &quot;LOAD QVR FILE&quot; button.</source>
        <translation>Klicke auf die Schaltfläche „QVR-DATEI LADEN“.</translation>
    </message>
    <message>
        <source>Select a qvr code .txt file to load into the program and load it in.</source>
        <translation>Wähle eine .txt-Datei mit einem QVR-Code aus und lade sie ins Programm.</translation>
    </message>
    <message>
        <source>(You may also drop the file on this page, or paste the code: &quot;PASTE QVR CODE&quot;, Ctrl+V anywhere, or on a phone a long press in the box above the convert button, then Paste. Once the page is installed, a phone&apos;s Share in a chat offers it too: the code in a shared message is taken, whatever words are around it.)</source>
        <translation>(Du kannst die Datei auch auf diese Seite ziehen oder den Code einfügen: mit „QVR-CODE EINFÜGEN“, mit Strg+V an beliebiger Stelle oder auf dem Handy durch langes Drücken auf das Feld über der Umwandeln-Schaltfläche und dann „Einfügen“. Ist die Seite installiert, kannst du ihr auf dem Handy auch über „Teilen“ in einem Chat Codes schicken: Der Code in einer geteilten Nachricht wird übernommen, egal welche Wörter drumherum stehen.)</translation>
    </message>
    <message>
        <source>If the loaded file is valid, click on the &quot;CONVERT QVR TO MORVANE&quot; button. If the file is invalid, try to select a different file that is valid.</source>
        <translation>Wenn die geladene Datei gültig ist, klicke auf die Schaltfläche „QVR IN MORVANE UMWANDELN“. Ist die Datei ungültig, wähle eine andere, gültige Datei aus.</translation>
    </message>
    <message>
        <source>Click on the &quot;SAVE MORVANE CODE TO COMPUTER&quot; button and save as a new .txt file, or copy the new displayed morvane code and paste it into the morvane import screen (on a phone, &quot;SHARE MORVANE CODE&quot; sends it straight back into a chat).</source>
        <translation>Klicke auf die Schaltfläche „MORVANE-CODE SPEICHERN“ und speichere ihn als neue .txt-Datei, oder kopiere den neuen angezeigten Morvane-Code und füge ihn im Import-Bildschirm von Morvane ein (auf dem Handy schickt „MORVANE-CODE TEILEN“ ihn direkt zurück in einen Chat).</translation>
    </message>
    <message>
        <source>Codes converted</source>
        <translation>Umgewandelte Codes</translation>
    </message>
    <message>
        <source>What became of each code</source>
        <translation>Was aus jedem Code wurde</translation>
    </message>
    <message>
        <source>This browser could not start the converter: try another browser.</source>
        <translation>Dieser Browser konnte den Umwandler nicht starten: Versuche es mit einem anderen Browser.</translation>
    </message>
    <message>
        <source>The page failed and must be reloaded to convert again.</source>
        <translation>Auf der Seite ist ein Fehler aufgetreten: Lade sie neu, um wieder umzuwandeln.</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>wartet</translation>
    </message>
    <message>
        <source>the browser could not read it</source>
        <translation>der Browser konnte sie nicht lesen</translation>
    </message>
    <message>
        <source>the browser refused</source>
        <translation>der Browser hat es abgelehnt</translation>
    </message>
</context>
<context>
    <name>QVRtoMorvane</name>
    <message>
        <source>LOAD QVR FILE</source>
        <translation>QVR-DATEI LADEN</translation>
    </message>
    <message>
        <source>Selected File:</source>
        <translation>Ausgewählte Datei:</translation>
    </message>
    <message>
        <source>CONVERT QVR TO MORVANE</source>
        <translation>QVR IN MORVANE UMWANDELN</translation>
    </message>
    <message>
        <source>SAVE MORVANE CODE TO COMPUTER</source>
        <translation>MORVANE-CODE SPEICHERN</translation>
    </message>
    <message>
        <source>CLEAR CURRENT CODES</source>
        <translation>AKTUELLE CODES LÖSCHEN</translation>
    </message>
    <message>
        <source>Conversion Details</source>
        <translation>Umwandlungsdetails</translation>
    </message>
    <message>
        <source>QVRtoMorvane</source>
        <translation>QVRtoMorvane</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>Selected File: </source>
        <translation>Ausgewählte Datei: </translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>BEENDEN</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Paste QVR Code</source>
        <translation>QVR-Code einfügen</translation>
    </message>
    <message>
        <source>Ctrl+V</source>
        <translation>Ctrl+V</translation>
    </message>
    <message>
        <source>Convert Several Codes...</source>
        <translation>Mehrere Codes umwandeln...</translation>
    </message>
    <message>
        <source>Copy Morvane Code</source>
        <translation>Morvane-Code kopieren</translation>
    </message>
    <message>
        <source>Ctrl+Shift+C</source>
        <translation>Ctrl+Shift+C</translation>
    </message>
    <message>
        <source>Above: %1</source>
        <translation>Oben: %1</translation>
    </message>
    <message>
        <source>Below: %1</source>
        <translation>Unten: %1</translation>
    </message>
    <message>
        <source>Save Code to File</source>
        <translation>Code in Datei speichern</translation>
    </message>
    <message>
        <source>The code could not be saved to &quot;%1&quot;:
%2</source>
        <translation>Der Code konnte nicht in „%1“ gespeichert werden:
%2</translation>
    </message>
    <message>
        <source>Select the codes to convert</source>
        <translation>Codes zum Umwandeln auswählen</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>Convert Several Codes</source>
        <translation>Mehrere Codes umwandeln</translation>
    </message>
    <message>
        <source>Choose a folder for the Morvane codes</source>
        <translation>Ordner für die Morvane-Codes wählen</translation>
    </message>
    <message numerus="yes">
        <source>%n of these codes would replace a file of the same name in %1.</source>
        <translation>
            <numerusform>%n dieser Codes würde eine gleichnamige Datei in %1 ersetzen.</numerusform>
            <numerusform>%n dieser Codes würden gleichnamige Dateien in %1 ersetzen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace Them</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Skip Them</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>QVR Code will be displayed here...</source>
        <translation>Hier wird der QVR-Code angezeigt...</translation>
    </message>
    <message>
        <source>New Morvane Code will be displayed here...</source>
        <translation>Hier wird der neue Morvane-Code angezeigt...</translation>
    </message>
    <message>
        <source>The file you provided is not a valid QVR file!!</source>
        <translation>Diese Datei ist keine gültige QVR-Datei!</translation>
    </message>
    <message>
        <source>Select a file to load</source>
        <translation>Wähle eine Datei zum Laden</translation>
    </message>
</context>
<context>
    <name>StepMessage</name>
    <message>
        <source>Loaded %1.</source>
        <translation>%1 geladen.</translation>
    </message>
    <message>
        <source>Loaded the pasted code.</source>
        <translation>Eingefügten Code geladen.</translation>
    </message>
    <message>
        <source>%1 is not a QVR code: it does not begin with 106 or 107.</source>
        <translation>%1 ist kein QVR-Code: Er beginnt nicht mit 106 oder 107.</translation>
    </message>
    <message>
        <source>%1 is not a QVR code: its header is incomplete or one of its segments is empty.</source>
        <translation>%1 ist kein QVR-Code: Sein Kopfteil ist unvollständig oder eines seiner Segmente ist leer.</translation>
    </message>
    <message>
        <source>The pasted text is not a QVR code: it does not begin with 106 or 107.</source>
        <translation>Der eingefügte Text ist kein QVR-Code: Er beginnt nicht mit 106 oder 107.</translation>
    </message>
    <message>
        <source>The pasted text is not a QVR code: its header is incomplete or one of its segments is empty.</source>
        <translation>Der eingefügte Text ist kein QVR-Code: Sein Kopfteil ist unvollständig oder eines seiner Segmente ist leer.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>%1 konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>%1 holds %2; codes of up to %3 can be converted here.</source>
        <translation>%1 ist %2 groß; hier lassen sich Codes bis %3 umwandeln.</translation>
    </message>
    <message>
        <source>Converted: %1.</source>
        <translation>Umgewandelt: %1.</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 gespeichert.</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2.</source>
        <translation>%1 konnte nicht gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Morvane code copied.</source>
        <translation>Morvane-Code kopiert.</translation>
    </message>
    <message>
        <source>The code could not be copied (%1): select it in the lower box and copy it.</source>
        <translation>Der Code konnte nicht kopiert werden (%1): Markiere ihn im unteren Feld und kopiere ihn.</translation>
    </message>
    <message>
        <source>The clipboard holds no text to paste.</source>
        <translation>Die Zwischenablage enthält keinen Text zum Einfügen.</translation>
    </message>
    <message>
        <source>This browser does not let the page read the clipboard: press Ctrl+V, or on a phone long-press the box above the convert button and choose Paste.</source>
        <translation>Dieser Browser lässt die Seite nicht auf die Zwischenablage zugreifen: Drücke Strg+V oder drücke auf dem Handy lange auf das Feld über der Umwandeln-Schaltfläche und wähle „Einfügen“.</translation>
    </message>
    <message>
        <source>Only a file can be dropped here; to load a code as text, paste it.</source>
        <translation>Hier kann nur eine Datei abgelegt werden; um einen Code als Text zu laden, füge ihn ein.</translation>
    </message>
    <message>
        <source>Loaded the shared code.</source>
        <translation>Geteilten Code geladen.</translation>
    </message>
    <message>
        <source>Loaded the QVR code found in the shared text.</source>
        <translation>QVR-Code aus dem geteilten Text geladen.</translation>
    </message>
    <message>
        <source>The shared text is not a QVR code: it does not begin with 106 or 107.</source>
        <translation>Der geteilte Text ist kein QVR-Code: Er beginnt nicht mit 106 oder 107.</translation>
    </message>
    <message>
        <source>The shared text is not a QVR code: its header is incomplete or one of its segments is empty.</source>
        <translation>Der geteilte Text ist kein QVR-Code: Sein Kopfteil ist unvollständig oder eines seiner Segmente ist leer.</translation>
    </message>
    <message>
        <source>Morvane code shared.</source>
        <translation>Morvane-Code geteilt.</translation>
    </message>
    <message>
        <source>The code could not be shared (%1): copy it instead.</source>
        <translation>Der Code konnte nicht geteilt werden (%1): Kopiere ihn stattdessen.</translation>
    </message>
    <message>
        <source>converted: %1</source>
        <translation>umgewandelt: %1</translation>
    </message>
    <message>
        <source>converted into %2, since another code has the same name: %1</source>
        <translation>als %2 umgewandelt, da ein anderer Code gleich heißt: %1</translation>
    </message>
    <message>
        <source>not a QVR code: it does not begin with 106 or 107</source>
        <translation>kein QVR-Code: beginnt nicht mit 106 oder 107</translation>
    </message>
    <message>
        <source>not a QVR code: its header is incomplete or one of its segments is empty</source>
        <translation>kein QVR-Code: Kopfteil unvollständig oder ein Segment leer</translation>
    </message>
    <message>
        <source>could not be read: %1</source>
        <translation>konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>holds %1; codes of up to %2 can be converted here</source>
        <translation>ist %1 groß; hier lassen sich Codes bis %2 umwandeln</translation>
    </message>
    <message>
        <source>could not be written: %1</source>
        <translation>konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>not converted: a file of its name was there already, and stays as it was</source>
        <translation>nicht umgewandelt: Eine Datei mit diesem Namen gab es schon, sie bleibt unverändert</translation>
    </message>
    <message>
        <source>not converted: the batch was stopped before it</source>
        <translation>nicht umgewandelt: Die Umwandlung wurde vorher gestoppt</translation>
    </message>
    <message numerus="yes">
        <source>Converted %1 of %n codes.</source>
        <translation>
            <numerusform>%1 von %n Code umgewandelt.</numerusform>
            <numerusform>%1 von %n Codes umgewandelt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stopped: converted %1 of %n codes; every file written before is whole.</source>
        <translation>
            <numerusform>Gestoppt: %1 von %n Code umgewandelt; alle bis dahin geschriebenen Dateien sind vollständig.</numerusform>
            <numerusform>Gestoppt: %1 von %n Codes umgewandelt; alle bis dahin geschriebenen Dateien sind vollständig.</numerusform>
        </translation>
    </message>
    <message>
        <source>There are no .txt files to convert here.</source>
        <translation>Hier gibt es keine .txt-Dateien zum Umwandeln.</translation>
    </message>
</context>
</TS>
