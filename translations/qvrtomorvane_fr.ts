<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>QVRToMorvane
Version: 0.1
The QVRtoMorvane project
Free software, MIT licence</source>
        <translation>QVRToMorvane
Version&#xa0;: 0.1
Le projet QVRtoMorvane
Logiciel libre, licence MIT</translation>
    </message>
</context>
<context>
    <name>BatchDialog</name>
    <message>
        <source>waiting</source>
        <translation>en attente</translation>
    </message>
    <message numerus="yes">
        <source>Converting %n code(s) into %1</source>
        <translation>
            <numerusform>Conversion de %n code vers %1</numerusform>
            <numerusform>Conversion de %n codes vers %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Convert Several Codes</source>
        <translation>Convertir plusieurs codes</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>What became of it</source>
        <translation>Résultat</translation>
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
        <translation>souligné</translation>
    </message>
    <message>
        <source>dashed underline</source>
        <translation>souligné en tirets</translation>
    </message>
    <message>
        <source>struck through</source>
        <translation>barré</translation>
    </message>
    <message>
        <source>Every segment was copied as it was.</source>
        <translation>Tous les segments ont été copiés tels quels.</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... et %n autre</numerusform>
            <numerusform>... et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>#%1 stands beyond the part of the code shown here.</source>
        <translation>#%1 se trouve au-delà de la partie du code affichée ici.</translation>
    </message>
    <message>
        <source>#%1 was dropped: nothing of it is in the Morvane code.</source>
        <translation>#%1 a été supprimé&#xa0;: il n&apos;en reste rien dans le code Morvane.</translation>
    </message>
    <message>
        <source>#%1 stands beyond the part of the Morvane code shown here.</source>
        <translation>#%1 se trouve au-delà de la partie du code Morvane affichée ici.</translation>
    </message>
    <message>
        <source>(clipboard)</source>
        <translation>(presse-papiers)</translation>
    </message>
    <message>
        <source>(shared)</source>
        <translation>(partagé)</translation>
    </message>
</context>
<context>
    <name>CodeText</name>
    <message>
        <source>Showing the first %1 KB of %2 bytes; Save and Copy give the whole code.</source>
        <translation>Seuls les %1 premiers Ko sur %2 octets sont affichés&#xa0;; l&apos;enregistrement et la copie donnent le code entier.</translation>
    </message>
</context>
<context>
    <name>ConversionDetails</name>
    <message>
        <source>Conversion Details</source>
        <translation>Détails de la conversion</translation>
    </message>
    <message>
        <source>&amp;QVR code</source>
        <translation>Code &amp;QVR</translation>
    </message>
    <message>
        <source>&amp;Morvane code</source>
        <translation>Code &amp;Morvane</translation>
    </message>
    <message>
        <source>&amp;Segments not copied (select one to find it in both codes)</source>
        <translation>&amp;Segments non copiés (sélectionnez-en un pour le retrouver dans les deux codes)</translation>
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
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Raison</translation>
    </message>
</context>
<context>
    <name>ConversionReport</name>
    <message>
        <source>copied</source>
        <translation>copié</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>modifié</translation>
    </message>
    <message>
        <source>renumbered</source>
        <translation>renuméroté</translation>
    </message>
    <message>
        <source>dropped</source>
        <translation>supprimé</translation>
    </message>
    <message>
        <source>the last value is cut</source>
        <translation>la dernière valeur est retirée</translation>
    </message>
    <message>
        <source>the last two values are cut</source>
        <translation>les deux dernières valeurs sont retirées</translation>
    </message>
    <message>
        <source>the last three values are cut</source>
        <translation>les trois dernières valeurs sont retirées</translation>
    </message>
    <message>
        <source>the last four values are cut</source>
        <translation>les quatre dernières valeurs sont retirées</translation>
    </message>
    <message>
        <source>the last two characters are cut</source>
        <translation>les deux derniers caractères sont retirés</translation>
    </message>
    <message>
        <source>nothing is left once %1 loses its last two characters</source>
        <translation>il ne reste rien une fois que %1 perd ses deux derniers caractères</translation>
    </message>
    <message>
        <source>the last six characters are cut</source>
        <translation>les six derniers caractères sont retirés</translation>
    </message>
    <message>
        <source>nothing is left once %1 loses its last six characters</source>
        <translation>il ne reste rien une fois que %1 perd ses six derniers caractères</translation>
    </message>
    <message>
        <source>%1, value 11 becomes 1</source>
        <translation>%1, la valeur 11 devient 1</translation>
    </message>
    <message>
        <source>%1, and a value 1 is added</source>
        <translation>%1 et une valeur 1 est ajoutée</translation>
    </message>
    <message>
        <source>%1: slot %2 stays %3, %4</source>
        <translation>%1&#xa0;: l&apos;emplacement %2 reste %3, %4</translation>
    </message>
    <message>
        <source>%1: slot %2 becomes %3, %4</source>
        <translation>%1&#xa0;: l&apos;emplacement %2 devient %3, %4</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: value %2 becomes %3 and value %4 becomes %5</source>
        <translation>%1&#xa0;: la valeur %2 devient %3 et la valeur %4 devient %5</translation>
    </message>
    <message>
        <source>Morvane takes no &quot;%1&quot; segments</source>
        <translation>Morvane n&apos;accepte aucun segment «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>all %1 %2 slots are taken</source>
        <translation>les %1 emplacements %2 sont tous pris</translation>
    </message>
    <message>
        <source>a %1 segment needs at least %2 values</source>
        <translation>un segment %1 doit avoir au moins %2 valeurs</translation>
    </message>
    <message>
        <source>an %1 segment needs at least %2 values</source>
        <translation>un segment %1 doit avoir au moins %2 valeurs</translation>
    </message>
    <message>
        <source>value 0 has no slot number</source>
        <translation>la valeur 0 n&apos;a pas de numéro d&apos;emplacement</translation>
    </message>
    <message>
        <source>the last value kept, &quot;%1&quot;, is not a number</source>
        <translation>la dernière valeur conservée, «&#xa0;%1&#xa0;», n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>the lead number &quot;%1&quot; is not a number</source>
        <translation>le numéro initial «&#xa0;%1&#xa0;» n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>the last value kept, %1, is above %2</source>
        <translation>la dernière valeur conservée, %1, dépasse %2</translation>
    </message>
    <message>
        <source>the lead number %1 is above %2</source>
        <translation>le numéro initial %1 dépasse %2</translation>
    </message>
    <message numerus="yes">
        <source>%n segments: %1 copied, %2 changed, %3 renumbered, %4 dropped</source>
        <translation>
            <numerusform>%n segment&#xa0;: %1 copié, %2 modifié, %3 renuméroté, %4 supprimé</numerusform>
            <numerusform>%n segments&#xa0;: %1 copiés, %2 modifiés, %3 renumérotés, %4 supprimés</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Step 1:</source>
        <translation>Étape 1&#xa0;:</translation>
    </message>
    <message>
        <source>Step 2:</source>
        <translation>Étape 2&#xa0;:</translation>
    </message>
    <message>
        <source>Step 3:</source>
        <translation>Étape 3&#xa0;:</translation>
    </message>
    <message>
        <source>Step 4:</source>
        <translation>Étape 4&#xa0;:</translation>
    </message>
    <message>
        <source>Click the &quot;LOAD QVR FILE&quot; button.</source>
        <translation>Cliquez sur «&#xa0;CHARGER UN FICHIER QVR&#xa0;».</translation>
    </message>
    <message>
        <source>Select a qvr code .txt file to load into the
program and load it in.</source>
        <translation>Sélectionnez un fichier .txt contenant
un code QVR à charger dans le programme.</translation>
    </message>
    <message>
        <source>If the loaded file is valid, click on the
&quot;CONVERT QVR TO MORVANE&quot; button. If
the file is invalid, try to select a
different file that is valid.</source>
        <translation>Si le fichier chargé est valide, cliquez
sur «&#xa0;CONVERTIR QVR EN MORVANE&#xa0;».
S&apos;il n&apos;est pas valide, essayez de
sélectionner un autre fichier valide.</translation>
    </message>
    <message>
        <source>Click on the &quot;SAVE MORVANE CODE
TO COMPUTER&quot; button and save as
a new .txt file, or highlight the new
displayed morvane code and copy-paste
it into the morvane import screen.</source>
        <translation>Cliquez sur le bouton
«&#xa0;ENREGISTRER LE CODE MORVANE&#xa0;»
pour en faire un nouveau fichier .txt,
ou copiez le nouveau code Morvane et
collez-le dans l&apos;écran d&apos;import de Morvane.</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Converts a character code for the QVR variant of the dress-up program into a code that Morvane imports. Everything happens in this page: nothing is sent anywhere.</source>
        <translation>Convertit un code de personnage de la variante QVR du jeu d&apos;habillage en un code que Morvane peut importer. Tout se passe dans cette page&#xa0;: rien n&apos;est envoyé nulle part.</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Langue&#xa0;:</translation>
    </message>
    <message>
        <source>PASTE QVR CODE</source>
        <translation>COLLER LE CODE QVR</translation>
    </message>
    <message>
        <source>COPY MORVANE CODE</source>
        <translation>COPIER LE CODE MORVANE</translation>
    </message>
    <message>
        <source>SHARE MORVANE CODE</source>
        <translation>PARTAGER LE CODE MORVANE</translation>
    </message>
    <message>
        <source>QVR code</source>
        <translation>Code QVR</translation>
    </message>
    <message>
        <source>Morvane code</source>
        <translation>Code Morvane</translation>
    </message>
    <message>
        <source>Segments not copied</source>
        <translation>Segments non copiés</translation>
    </message>
    <message>
        <source>Several codes at once</source>
        <translation>Plusieurs codes à la fois</translation>
    </message>
    <message>
        <source>Converts a handful of code files, or a whole folder, into one zip; the code above stays as it is.</source>
        <translation>Convertit quelques fichiers de code, ou un dossier entier, en un seul zip&#xa0;; le code ci-dessus reste tel quel.</translation>
    </message>
    <message>
        <source>CONVERT SEVERAL CODES</source>
        <translation>CONVERTIR PLUSIEURS CODES</translation>
    </message>
    <message>
        <source>CONVERT A FOLDER</source>
        <translation>CONVERTIR UN DOSSIER</translation>
    </message>
    <message>
        <source>SAVE ALL</source>
        <translation>TOUT ENREGISTRER</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>ARRÊTER</translation>
    </message>
    <message>
        <source>Click the &quot;LOAD QVR FILE&quot; button.</source>
        <translation>Cliquez sur le bouton «&#xa0;CHARGER UN FICHIER QVR&#xa0;».</translation>
    </message>
    <message>
        <source>Select a qvr code .txt file to load into the program and load it in.</source>
        <translation>Sélectionnez un fichier .txt contenant un code QVR pour le charger dans le programme.</translation>
    </message>
    <message>
        <source>(You may also drop the file on this page, or paste the code: &quot;PASTE QVR CODE&quot;, Ctrl+V anywhere, or on a phone a long press in the box above the convert button, then Paste. Once the page is installed, a phone&apos;s Share in a chat offers it too: the code in a shared message is taken, whatever words are around it.)</source>
        <translation>(Vous pouvez aussi déposer le fichier sur cette page, ou coller le code&#xa0;: «&#xa0;COLLER LE CODE QVR&#xa0;», Ctrl+V n&apos;importe où, ou sur un téléphone un appui long dans la zone au-dessus du bouton de conversion, puis Coller. Une fois la page installée, la fonction Partager d&apos;une discussion sur téléphone la propose aussi&#xa0;: le code contenu dans un message partagé est repris, quels que soient les mots autour.)</translation>
    </message>
    <message>
        <source>If the loaded file is valid, click on the &quot;CONVERT QVR TO MORVANE&quot; button. If the file is invalid, try to select a different file that is valid.</source>
        <translation>Si le fichier chargé est valide, cliquez sur le bouton «&#xa0;CONVERTIR QVR EN MORVANE&#xa0;». S&apos;il n&apos;est pas valide, essayez de sélectionner un autre fichier valide.</translation>
    </message>
    <message>
        <source>Click on the &quot;SAVE MORVANE CODE TO COMPUTER&quot; button and save as a new .txt file, or copy the new displayed morvane code and paste it into the morvane import screen (on a phone, &quot;SHARE MORVANE CODE&quot; sends it straight back into a chat).</source>
        <translation>Cliquez sur le bouton «&#xa0;ENREGISTRER LE CODE MORVANE&#xa0;» pour en faire un nouveau fichier .txt, ou copiez le nouveau code Morvane affiché et collez-le dans l&apos;écran d&apos;import de Morvane (sur un téléphone, «&#xa0;PARTAGER LE CODE MORVANE&#xa0;» le renvoie directement dans une discussion).</translation>
    </message>
    <message>
        <source>Codes converted</source>
        <translation>Codes convertis</translation>
    </message>
    <message>
        <source>What became of each code</source>
        <translation>Résultat pour chaque code</translation>
    </message>
    <message>
        <source>This browser could not start the converter: try another browser.</source>
        <translation>Ce navigateur n&apos;a pas pu lancer le convertisseur&#xa0;: essayez un autre navigateur.</translation>
    </message>
    <message>
        <source>The page failed and must be reloaded to convert again.</source>
        <translation>La page a rencontré une erreur et doit être rechargée pour convertir à nouveau.</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>en attente</translation>
    </message>
    <message>
        <source>the browser could not read it</source>
        <translation>le navigateur n&apos;a pas pu le lire</translation>
    </message>
    <message>
        <source>the browser refused</source>
        <translation>le navigateur a refusé</translation>
    </message>
</context>
<context>
    <name>QVRtoMorvane</name>
    <message>
        <source>LOAD QVR FILE</source>
        <translation>CHARGER UN FICHIER QVR</translation>
    </message>
    <message>
        <source>Selected File:</source>
        <translation>Fichier sélectionné&#xa0;:</translation>
    </message>
    <message>
        <source>CONVERT QVR TO MORVANE</source>
        <translation>CONVERTIR QVR EN MORVANE</translation>
    </message>
    <message>
        <source>SAVE MORVANE CODE TO COMPUTER</source>
        <translation>ENREGISTRER LE CODE MORVANE</translation>
    </message>
    <message>
        <source>CLEAR CURRENT CODES</source>
        <translation>EFFACER LES CODES ACTUELS</translation>
    </message>
    <message>
        <source>Conversion Details</source>
        <translation>Détails de la conversion</translation>
    </message>
    <message>
        <source>QVRtoMorvane</source>
        <translation>QVRtoMorvane</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>Selected File: </source>
        <translation>Fichier sélectionné&#xa0;: </translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>QUITTER</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>Paste QVR Code</source>
        <translation>Coller le code QVR</translation>
    </message>
    <message>
        <source>Ctrl+V</source>
        <translation>Ctrl+V</translation>
    </message>
    <message>
        <source>Convert Several Codes...</source>
        <translation>Convertir plusieurs codes...</translation>
    </message>
    <message>
        <source>Copy Morvane Code</source>
        <translation>Copier le code Morvane</translation>
    </message>
    <message>
        <source>Ctrl+Shift+C</source>
        <translation>Ctrl+Shift+C</translation>
    </message>
    <message>
        <source>Above: %1</source>
        <translation>Au-dessus&#xa0;: %1</translation>
    </message>
    <message>
        <source>Below: %1</source>
        <translation>En dessous&#xa0;: %1</translation>
    </message>
    <message>
        <source>Save Code to File</source>
        <translation>Enregistrer le code dans un fichier</translation>
    </message>
    <message>
        <source>The code could not be saved to &quot;%1&quot;:
%2</source>
        <translation>Le code n&apos;a pas pu être enregistré dans «&#xa0;%1&#xa0;»&#xa0;:
%2</translation>
    </message>
    <message>
        <source>Select the codes to convert</source>
        <translation>Sélectionnez les codes à convertir</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>Convert Several Codes</source>
        <translation>Convertir plusieurs codes</translation>
    </message>
    <message>
        <source>Choose a folder for the Morvane codes</source>
        <translation>Choisissez un dossier pour les codes Morvane</translation>
    </message>
    <message numerus="yes">
        <source>%n of these codes would replace a file of the same name in %1.</source>
        <translation>
            <numerusform>%n de ces codes remplacerait un fichier du même nom dans %1.</numerusform>
            <numerusform>%n de ces codes remplaceraient un fichier du même nom dans %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace Them</source>
        <translation>Les remplacer</translation>
    </message>
    <message>
        <source>Skip Them</source>
        <translation>Les ignorer</translation>
    </message>
    <message>
        <source>QVR Code will be displayed here...</source>
        <translation>Le code QVR s&apos;affichera ici...</translation>
    </message>
    <message>
        <source>New Morvane Code will be displayed here...</source>
        <translation>Le nouveau code Morvane s&apos;affichera ici...</translation>
    </message>
    <message>
        <source>The file you provided is not a valid QVR file!!</source>
        <translation>Le fichier choisi n&apos;est pas un fichier QVR valide&#xa0;!</translation>
    </message>
    <message>
        <source>Select a file to load</source>
        <translation>Sélectionnez un fichier à charger</translation>
    </message>
</context>
<context>
    <name>StepMessage</name>
    <message>
        <source>Loaded %1.</source>
        <translation>%1 chargé.</translation>
    </message>
    <message>
        <source>Loaded the pasted code.</source>
        <translation>Le code collé a été chargé.</translation>
    </message>
    <message>
        <source>%1 is not a QVR code: it does not begin with 106 or 107.</source>
        <translation>%1 n&apos;est pas un code QVR&#xa0;: il ne commence pas par 106 ou 107.</translation>
    </message>
    <message>
        <source>%1 is not a QVR code: its header is incomplete or one of its segments is empty.</source>
        <translation>%1 n&apos;est pas un code QVR&#xa0;: son en-tête est incomplet ou l&apos;un de ses segments est vide.</translation>
    </message>
    <message>
        <source>The pasted text is not a QVR code: it does not begin with 106 or 107.</source>
        <translation>Le texte collé n&apos;est pas un code QVR&#xa0;: il ne commence pas par 106 ou 107.</translation>
    </message>
    <message>
        <source>The pasted text is not a QVR code: its header is incomplete or one of its segments is empty.</source>
        <translation>Le texte collé n&apos;est pas un code QVR&#xa0;: son en-tête est incomplet ou l&apos;un de ses segments est vide.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>%1 n&apos;a pas pu être lu&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 holds %2; codes of up to %3 can be converted here.</source>
        <translation>%1 pèse %2&#xa0;; ici, on peut convertir des codes jusqu&apos;à %3.</translation>
    </message>
    <message>
        <source>Converted: %1.</source>
        <translation>Converti&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 enregistré.</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2.</source>
        <translation>%1 n&apos;a pas pu être enregistré&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Morvane code copied.</source>
        <translation>Code Morvane copié.</translation>
    </message>
    <message>
        <source>The code could not be copied (%1): select it in the lower box and copy it.</source>
        <translation>Le code n&apos;a pas pu être copié (%1)&#xa0;: sélectionnez-le dans la zone du bas et copiez-le.</translation>
    </message>
    <message>
        <source>The clipboard holds no text to paste.</source>
        <translation>Le presse-papiers ne contient aucun texte à coller.</translation>
    </message>
    <message>
        <source>This browser does not let the page read the clipboard: press Ctrl+V, or on a phone long-press the box above the convert button and choose Paste.</source>
        <translation>Ce navigateur ne permet pas à la page de lire le presse-papiers&#xa0;: appuyez sur Ctrl+V ou, sur un téléphone, faites un appui long dans la zone au-dessus du bouton de conversion et choisissez Coller.</translation>
    </message>
    <message>
        <source>Only a file can be dropped here; to load a code as text, paste it.</source>
        <translation>Seul un fichier peut être déposé ici&#xa0;; pour charger un code sous forme de texte, collez-le.</translation>
    </message>
    <message>
        <source>Loaded the shared code.</source>
        <translation>Le code partagé a été chargé.</translation>
    </message>
    <message>
        <source>Loaded the QVR code found in the shared text.</source>
        <translation>Le code QVR trouvé dans le texte partagé a été chargé.</translation>
    </message>
    <message>
        <source>The shared text is not a QVR code: it does not begin with 106 or 107.</source>
        <translation>Le texte partagé n&apos;est pas un code QVR&#xa0;: il ne commence pas par 106 ou 107.</translation>
    </message>
    <message>
        <source>The shared text is not a QVR code: its header is incomplete or one of its segments is empty.</source>
        <translation>Le texte partagé n&apos;est pas un code QVR&#xa0;: son en-tête est incomplet ou l&apos;un de ses segments est vide.</translation>
    </message>
    <message>
        <source>Morvane code shared.</source>
        <translation>Code Morvane partagé.</translation>
    </message>
    <message>
        <source>The code could not be shared (%1): copy it instead.</source>
        <translation>Le code n&apos;a pas pu être partagé (%1)&#xa0;: copiez-le plutôt.</translation>
    </message>
    <message>
        <source>converted: %1</source>
        <translation>converti&#xa0;: %1</translation>
    </message>
    <message>
        <source>converted into %2, since another code has the same name: %1</source>
        <translation>converti en %2, car un autre code porte le même nom&#xa0;: %1</translation>
    </message>
    <message>
        <source>not a QVR code: it does not begin with 106 or 107</source>
        <translation>ce n&apos;est pas un code QVR&#xa0;: il ne commence pas par 106 ou 107</translation>
    </message>
    <message>
        <source>not a QVR code: its header is incomplete or one of its segments is empty</source>
        <translation>ce n&apos;est pas un code QVR&#xa0;: son en-tête est incomplet ou l&apos;un de ses segments est vide</translation>
    </message>
    <message>
        <source>could not be read: %1</source>
        <translation>n&apos;a pas pu être lu&#xa0;: %1</translation>
    </message>
    <message>
        <source>holds %1; codes of up to %2 can be converted here</source>
        <translation>pèse %1&#xa0;; ici, on peut convertir des codes jusqu&apos;à %2</translation>
    </message>
    <message>
        <source>could not be written: %1</source>
        <translation>n&apos;a pas pu être écrit&#xa0;: %1</translation>
    </message>
    <message>
        <source>not converted: a file of its name was there already, and stays as it was</source>
        <translation>non converti&#xa0;: un fichier du même nom existait déjà et reste tel quel</translation>
    </message>
    <message>
        <source>not converted: the batch was stopped before it</source>
        <translation>non converti&#xa0;: la conversion a été arrêtée avant lui</translation>
    </message>
    <message numerus="yes">
        <source>Converted %1 of %n codes.</source>
        <translation>
            <numerusform>%1 sur %n code converti.</numerusform>
            <numerusform>%1 sur %n codes convertis.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stopped: converted %1 of %n codes; every file written before is whole.</source>
        <translation>
            <numerusform>Arrêté&#xa0;: %1 sur %n code converti&#xa0;; tous les fichiers déjà écrits sont complets.</numerusform>
            <numerusform>Arrêté&#xa0;: %1 sur %n codes convertis&#xa0;; tous les fichiers déjà écrits sont complets.</numerusform>
        </translation>
    </message>
    <message>
        <source>There are no .txt files to convert here.</source>
        <translation>Il n&apos;y a aucun fichier .txt à convertir ici.</translation>
    </message>
</context>
</TS>
