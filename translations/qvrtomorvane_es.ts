<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>QVRToMorvane
Version: 0.1
The QVRtoMorvane project
Free software, MIT licence</source>
        <translation>QVRToMorvane
Versión: 0.1
El proyecto QVRtoMorvane
Software libre, licencia MIT</translation>
    </message>
</context>
<context>
    <name>BatchDialog</name>
    <message>
        <source>waiting</source>
        <translation>en espera</translation>
    </message>
    <message numerus="yes">
        <source>Converting %n code(s) into %1</source>
        <translation>
            <numerusform>Convirtiendo %n código en %1</numerusform>
            <numerusform>Convirtiendo %n códigos en %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>Convert Several Codes</source>
        <translation>Convertir varios códigos</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>What became of it</source>
        <translation>Resultado</translation>
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
        <translation>subrayado</translation>
    </message>
    <message>
        <source>dashed underline</source>
        <translation>subrayado discontinuo</translation>
    </message>
    <message>
        <source>struck through</source>
        <translation>tachado</translation>
    </message>
    <message>
        <source>Every segment was copied as it was.</source>
        <translation>Todos los segmentos se copiaron tal cual.</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... y %n más</numerusform>
            <numerusform>... y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>#%1 stands beyond the part of the code shown here.</source>
        <translation>#%1 queda fuera de la parte del código que se muestra aquí.</translation>
    </message>
    <message>
        <source>#%1 was dropped: nothing of it is in the Morvane code.</source>
        <translation>#%1 se descartó: no queda nada de él en el código Morvane.</translation>
    </message>
    <message>
        <source>#%1 stands beyond the part of the Morvane code shown here.</source>
        <translation>#%1 queda fuera de la parte del código Morvane que se muestra aquí.</translation>
    </message>
    <message>
        <source>(clipboard)</source>
        <translation>(portapapeles)</translation>
    </message>
    <message>
        <source>(shared)</source>
        <translation>(compartido)</translation>
    </message>
</context>
<context>
    <name>CodeText</name>
    <message>
        <source>Showing the first %1 KB of %2 bytes; Save and Copy give the whole code.</source>
        <translation>Se muestran los primeros %1 KB de %2 bytes; al guardar o copiar se obtiene el código completo.</translation>
    </message>
</context>
<context>
    <name>ConversionDetails</name>
    <message>
        <source>Conversion Details</source>
        <translation>Detalles de la conversión</translation>
    </message>
    <message>
        <source>&amp;QVR code</source>
        <translation>Código &amp;QVR</translation>
    </message>
    <message>
        <source>&amp;Morvane code</source>
        <translation>Código &amp;Morvane</translation>
    </message>
    <message>
        <source>&amp;Segments not copied (select one to find it in both codes)</source>
        <translation>&amp;Segmentos no copiados (elige uno para verlo en ambos códigos)</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Segment</source>
        <translation>Segmento</translation>
    </message>
    <message>
        <source>Fate</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Motivo</translation>
    </message>
</context>
<context>
    <name>ConversionReport</name>
    <message>
        <source>copied</source>
        <translation>copiado</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>cambiado</translation>
    </message>
    <message>
        <source>renumbered</source>
        <translation>renumerado</translation>
    </message>
    <message>
        <source>dropped</source>
        <translation>descartado</translation>
    </message>
    <message>
        <source>the last value is cut</source>
        <translation>se quita el último valor</translation>
    </message>
    <message>
        <source>the last two values are cut</source>
        <translation>se quitan los dos últimos valores</translation>
    </message>
    <message>
        <source>the last three values are cut</source>
        <translation>se quitan los tres últimos valores</translation>
    </message>
    <message>
        <source>the last four values are cut</source>
        <translation>se quitan los cuatro últimos valores</translation>
    </message>
    <message>
        <source>the last two characters are cut</source>
        <translation>se quitan los dos últimos caracteres</translation>
    </message>
    <message>
        <source>nothing is left once %1 loses its last two characters</source>
        <translation>no queda nada cuando %1 pierde sus dos últimos caracteres</translation>
    </message>
    <message>
        <source>the last six characters are cut</source>
        <translation>se quitan los seis últimos caracteres</translation>
    </message>
    <message>
        <source>nothing is left once %1 loses its last six characters</source>
        <translation>no queda nada cuando %1 pierde sus seis últimos caracteres</translation>
    </message>
    <message>
        <source>%1, value 11 becomes 1</source>
        <translation>%1, el valor 11 pasa a ser 1</translation>
    </message>
    <message>
        <source>%1, and a value 1 is added</source>
        <translation>%1 y se añade un valor 1</translation>
    </message>
    <message>
        <source>%1: slot %2 stays %3, %4</source>
        <translation>%1: la ranura %2 sigue siendo %3, %4</translation>
    </message>
    <message>
        <source>%1: slot %2 becomes %3, %4</source>
        <translation>%1: la ranura %2 pasa a ser %3, %4</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: value %2 becomes %3 and value %4 becomes %5</source>
        <translation>%1: el valor %2 pasa a ser %3 y el valor %4 pasa a ser %5</translation>
    </message>
    <message>
        <source>Morvane takes no &quot;%1&quot; segments</source>
        <translation>Morvane no acepta segmentos «%1»</translation>
    </message>
    <message>
        <source>all %1 %2 slots are taken</source>
        <translation>las %1 ranuras %2 están todas ocupadas</translation>
    </message>
    <message>
        <source>a %1 segment needs at least %2 values</source>
        <translation>un segmento %1 necesita al menos %2 valores</translation>
    </message>
    <message>
        <source>an %1 segment needs at least %2 values</source>
        <translation>un segmento %1 necesita al menos %2 valores</translation>
    </message>
    <message>
        <source>value 0 has no slot number</source>
        <translation>el valor 0 no tiene número de ranura</translation>
    </message>
    <message>
        <source>the last value kept, &quot;%1&quot;, is not a number</source>
        <translation>el último valor conservado, «%1», no es un número</translation>
    </message>
    <message>
        <source>the lead number &quot;%1&quot; is not a number</source>
        <translation>el número inicial «%1» no es un número</translation>
    </message>
    <message>
        <source>the last value kept, %1, is above %2</source>
        <translation>el último valor conservado, %1, es mayor que %2</translation>
    </message>
    <message>
        <source>the lead number %1 is above %2</source>
        <translation>el número inicial %1 es mayor que %2</translation>
    </message>
    <message numerus="yes">
        <source>%n segments: %1 copied, %2 changed, %3 renumbered, %4 dropped</source>
        <translation>
            <numerusform>%n segmento: %1 copiado, %2 cambiado, %3 renumerado, %4 descartado</numerusform>
            <numerusform>%n segmentos: %1 copiados, %2 cambiados, %3 renumerados, %4 descartados</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Step 1:</source>
        <translation>Paso 1:</translation>
    </message>
    <message>
        <source>Step 2:</source>
        <translation>Paso 2:</translation>
    </message>
    <message>
        <source>Step 3:</source>
        <translation>Paso 3:</translation>
    </message>
    <message>
        <source>Step 4:</source>
        <translation>Paso 4:</translation>
    </message>
    <message>
        <source>Click the &quot;LOAD QVR FILE&quot; button.</source>
        <translation>Pulsa el botón «CARGAR ARCHIVO QVR».</translation>
    </message>
    <message>
        <source>Select a qvr code .txt file to load into the
program and load it in.</source>
        <translation>Elige un archivo .txt con un código QVR
para cargarlo en el programa.</translation>
    </message>
    <message>
        <source>If the loaded file is valid, click on the
&quot;CONVERT QVR TO MORVANE&quot; button. If
the file is invalid, try to select a
different file that is valid.</source>
        <translation>Si el archivo cargado es válido, pulsa
el botón «CONVERTIR QVR A MORVANE».
Si no es válido, prueba a elegir
otro archivo que sí lo sea.</translation>
    </message>
    <message>
        <source>Click on the &quot;SAVE MORVANE CODE
TO COMPUTER&quot; button and save as
a new .txt file, or highlight the new
displayed morvane code and copy-paste
it into the morvane import screen.</source>
        <translation>Pulsa el botón
«GUARDAR CÓDIGO MORVANE EN EL PC»
y guárdalo en un nuevo archivo .txt, o
copia el nuevo código Morvane y pégalo
en la pantalla de importación de Morvane.</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Converts a character code for the QVR variant of the dress-up program into a code that Morvane imports. Everything happens in this page: nothing is sent anywhere.</source>
        <translation>Convierte un código de personaje de la variante QVR del juego de vestir en un código que Morvane puede importar. Todo ocurre en esta página: no se envía nada a ningún sitio.</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>PASTE QVR CODE</source>
        <translation>PEGAR CÓDIGO QVR</translation>
    </message>
    <message>
        <source>COPY MORVANE CODE</source>
        <translation>COPIAR CÓDIGO MORVANE</translation>
    </message>
    <message>
        <source>SHARE MORVANE CODE</source>
        <translation>COMPARTIR CÓDIGO MORVANE</translation>
    </message>
    <message>
        <source>QVR code</source>
        <translation>Código QVR</translation>
    </message>
    <message>
        <source>Morvane code</source>
        <translation>Código Morvane</translation>
    </message>
    <message>
        <source>Segments not copied</source>
        <translation>Segmentos no copiados</translation>
    </message>
    <message>
        <source>Several codes at once</source>
        <translation>Varios códigos a la vez</translation>
    </message>
    <message>
        <source>Converts a handful of code files, or a whole folder, into one zip; the code above stays as it is.</source>
        <translation>Convierte unos cuantos archivos de código, o una carpeta entera, en un solo zip; el código de arriba no cambia.</translation>
    </message>
    <message>
        <source>CONVERT SEVERAL CODES</source>
        <translation>CONVERTIR VARIOS CÓDIGOS</translation>
    </message>
    <message>
        <source>CONVERT A FOLDER</source>
        <translation>CONVERTIR UNA CARPETA</translation>
    </message>
    <message>
        <source>SAVE ALL</source>
        <translation>GUARDAR TODO</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>DETENER</translation>
    </message>
    <message>
        <source>Click the &quot;LOAD QVR FILE&quot; button.</source>
        <translation>Pulsa el botón «CARGAR ARCHIVO QVR».</translation>
    </message>
    <message>
        <source>Select a qvr code .txt file to load into the program and load it in.</source>
        <translation>Elige un archivo .txt con un código QVR para cargarlo en el programa.</translation>
    </message>
    <message>
        <source>(You may also drop the file on this page, or paste the code: &quot;PASTE QVR CODE&quot;, Ctrl+V anywhere, or on a phone a long press in the box above the convert button, then Paste. Once the page is installed, a phone&apos;s Share in a chat offers it too: the code in a shared message is taken, whatever words are around it.)</source>
        <translation>(También puedes soltar el archivo en esta página o pegar el código: «PEGAR CÓDIGO QVR», Ctrl+V en cualquier lugar o, en el móvil, mantener pulsado el cuadro que hay encima del botón de convertir y luego Pegar. Una vez instalada la página, también aparece en la opción Compartir de un chat del móvil: se toma el código del mensaje compartido, aunque vaya acompañado de otras palabras.)</translation>
    </message>
    <message>
        <source>If the loaded file is valid, click on the &quot;CONVERT QVR TO MORVANE&quot; button. If the file is invalid, try to select a different file that is valid.</source>
        <translation>Si el archivo cargado es válido, pulsa el botón «CONVERTIR QVR A MORVANE». Si no es válido, prueba a elegir otro archivo que sí lo sea.</translation>
    </message>
    <message>
        <source>Click on the &quot;SAVE MORVANE CODE TO COMPUTER&quot; button and save as a new .txt file, or copy the new displayed morvane code and paste it into the morvane import screen (on a phone, &quot;SHARE MORVANE CODE&quot; sends it straight back into a chat).</source>
        <translation>Pulsa el botón «GUARDAR CÓDIGO MORVANE EN EL PC» y guárdalo en un nuevo archivo .txt, o copia el nuevo código Morvane que aparece y pégalo en la pantalla de importación de Morvane (en el móvil, «COMPARTIR CÓDIGO MORVANE» lo envía directamente a un chat).</translation>
    </message>
    <message>
        <source>Codes converted</source>
        <translation>Códigos convertidos</translation>
    </message>
    <message>
        <source>What became of each code</source>
        <translation>Resultado de cada código</translation>
    </message>
    <message>
        <source>This browser could not start the converter: try another browser.</source>
        <translation>Este navegador no pudo iniciar el conversor: prueba con otro navegador.</translation>
    </message>
    <message>
        <source>The page failed and must be reloaded to convert again.</source>
        <translation>La página ha fallado y hay que recargarla para volver a convertir.</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>en espera</translation>
    </message>
    <message>
        <source>the browser could not read it</source>
        <translation>el navegador no pudo leerlo</translation>
    </message>
    <message>
        <source>the browser refused</source>
        <translation>el navegador se negó</translation>
    </message>
</context>
<context>
    <name>QVRtoMorvane</name>
    <message>
        <source>LOAD QVR FILE</source>
        <translation>CARGAR ARCHIVO QVR</translation>
    </message>
    <message>
        <source>Selected File:</source>
        <translation>Archivo elegido:</translation>
    </message>
    <message>
        <source>CONVERT QVR TO MORVANE</source>
        <translation>CONVERTIR QVR A MORVANE</translation>
    </message>
    <message>
        <source>SAVE MORVANE CODE TO COMPUTER</source>
        <translation>GUARDAR CÓDIGO MORVANE EN EL PC</translation>
    </message>
    <message>
        <source>CLEAR CURRENT CODES</source>
        <translation>BORRAR CÓDIGOS ACTUALES</translation>
    </message>
    <message>
        <source>Conversion Details</source>
        <translation>Detalles de la conversión</translation>
    </message>
    <message>
        <source>QVRtoMorvane</source>
        <translation>QVRtoMorvane</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>Selected File: </source>
        <translation>Archivo elegido: </translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>SALIR</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edición</translation>
    </message>
    <message>
        <source>Paste QVR Code</source>
        <translation>Pegar código QVR</translation>
    </message>
    <message>
        <source>Ctrl+V</source>
        <translation>Ctrl+V</translation>
    </message>
    <message>
        <source>Convert Several Codes...</source>
        <translation>Convertir varios códigos...</translation>
    </message>
    <message>
        <source>Copy Morvane Code</source>
        <translation>Copiar código Morvane</translation>
    </message>
    <message>
        <source>Ctrl+Shift+C</source>
        <translation>Ctrl+Shift+C</translation>
    </message>
    <message>
        <source>Above: %1</source>
        <translation>Arriba: %1</translation>
    </message>
    <message>
        <source>Below: %1</source>
        <translation>Abajo: %1</translation>
    </message>
    <message>
        <source>Save Code to File</source>
        <translation>Guardar código en un archivo</translation>
    </message>
    <message>
        <source>The code could not be saved to &quot;%1&quot;:
%2</source>
        <translation>No se pudo guardar el código en «%1»:
%2</translation>
    </message>
    <message>
        <source>Select the codes to convert</source>
        <translation>Elige los códigos que quieres convertir</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>Convert Several Codes</source>
        <translation>Convertir varios códigos</translation>
    </message>
    <message>
        <source>Choose a folder for the Morvane codes</source>
        <translation>Elige una carpeta para los códigos Morvane</translation>
    </message>
    <message numerus="yes">
        <source>%n of these codes would replace a file of the same name in %1.</source>
        <translation>
            <numerusform>%n de estos códigos reemplazaría un archivo con el mismo nombre en %1.</numerusform>
            <numerusform>%n de estos códigos reemplazarían un archivo con el mismo nombre en %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace Them</source>
        <translation>Reemplazarlos</translation>
    </message>
    <message>
        <source>Skip Them</source>
        <translation>Omitirlos</translation>
    </message>
    <message>
        <source>QVR Code will be displayed here...</source>
        <translation>Aquí se mostrará el código QVR...</translation>
    </message>
    <message>
        <source>New Morvane Code will be displayed here...</source>
        <translation>Aquí se mostrará el nuevo código Morvane...</translation>
    </message>
    <message>
        <source>The file you provided is not a valid QVR file!!</source>
        <translation>¡El archivo elegido no es un archivo QVR válido!</translation>
    </message>
    <message>
        <source>Select a file to load</source>
        <translation>Selecciona un archivo para cargar</translation>
    </message>
</context>
<context>
    <name>StepMessage</name>
    <message>
        <source>Loaded %1.</source>
        <translation>Se cargó %1.</translation>
    </message>
    <message>
        <source>Loaded the pasted code.</source>
        <translation>Se cargó el código pegado.</translation>
    </message>
    <message>
        <source>%1 is not a QVR code: it does not begin with 106 or 107.</source>
        <translation>%1 no es un código QVR: no empieza por 106 ni por 107.</translation>
    </message>
    <message>
        <source>%1 is not a QVR code: its header is incomplete or one of its segments is empty.</source>
        <translation>%1 no es un código QVR: su cabecera está incompleta o uno de sus segmentos está vacío.</translation>
    </message>
    <message>
        <source>The pasted text is not a QVR code: it does not begin with 106 or 107.</source>
        <translation>El texto pegado no es un código QVR: no empieza por 106 ni por 107.</translation>
    </message>
    <message>
        <source>The pasted text is not a QVR code: its header is incomplete or one of its segments is empty.</source>
        <translation>El texto pegado no es un código QVR: su cabecera está incompleta o uno de sus segmentos está vacío.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>No se pudo leer %1: %2.</translation>
    </message>
    <message>
        <source>%1 holds %2; codes of up to %3 can be converted here.</source>
        <translation>%1 ocupa %2; aquí se pueden convertir códigos de hasta %3.</translation>
    </message>
    <message>
        <source>Converted: %1.</source>
        <translation>Convertido: %1.</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>Se guardó %1.</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2.</source>
        <translation>No se pudo guardar %1: %2.</translation>
    </message>
    <message>
        <source>Morvane code copied.</source>
        <translation>Código Morvane copiado.</translation>
    </message>
    <message>
        <source>The code could not be copied (%1): select it in the lower box and copy it.</source>
        <translation>No se pudo copiar el código (%1): selecciónalo en el cuadro de abajo y cópialo.</translation>
    </message>
    <message>
        <source>The clipboard holds no text to paste.</source>
        <translation>El portapapeles no tiene texto para pegar.</translation>
    </message>
    <message>
        <source>This browser does not let the page read the clipboard: press Ctrl+V, or on a phone long-press the box above the convert button and choose Paste.</source>
        <translation>Este navegador no deja que la página lea el portapapeles: pulsa Ctrl+V o, en el móvil, mantén pulsado el cuadro que hay encima del botón de convertir y elige Pegar.</translation>
    </message>
    <message>
        <source>Only a file can be dropped here; to load a code as text, paste it.</source>
        <translation>Aquí solo se pueden soltar archivos; para cargar un código como texto, pégalo.</translation>
    </message>
    <message>
        <source>Loaded the shared code.</source>
        <translation>Se cargó el código compartido.</translation>
    </message>
    <message>
        <source>Loaded the QVR code found in the shared text.</source>
        <translation>Se cargó el código QVR encontrado en el texto compartido.</translation>
    </message>
    <message>
        <source>The shared text is not a QVR code: it does not begin with 106 or 107.</source>
        <translation>El texto compartido no es un código QVR: no empieza por 106 ni por 107.</translation>
    </message>
    <message>
        <source>The shared text is not a QVR code: its header is incomplete or one of its segments is empty.</source>
        <translation>El texto compartido no es un código QVR: su cabecera está incompleta o uno de sus segmentos está vacío.</translation>
    </message>
    <message>
        <source>Morvane code shared.</source>
        <translation>Código Morvane compartido.</translation>
    </message>
    <message>
        <source>The code could not be shared (%1): copy it instead.</source>
        <translation>No se pudo compartir el código (%1): cópialo en su lugar.</translation>
    </message>
    <message>
        <source>converted: %1</source>
        <translation>convertido: %1</translation>
    </message>
    <message>
        <source>converted into %2, since another code has the same name: %1</source>
        <translation>convertido como %2, porque otro código tiene el mismo nombre: %1</translation>
    </message>
    <message>
        <source>not a QVR code: it does not begin with 106 or 107</source>
        <translation>no es un código QVR: no empieza por 106 ni por 107</translation>
    </message>
    <message>
        <source>not a QVR code: its header is incomplete or one of its segments is empty</source>
        <translation>no es un código QVR: su cabecera está incompleta o uno de sus segmentos está vacío</translation>
    </message>
    <message>
        <source>could not be read: %1</source>
        <translation>no se pudo leer: %1</translation>
    </message>
    <message>
        <source>holds %1; codes of up to %2 can be converted here</source>
        <translation>ocupa %1; aquí se pueden convertir códigos de hasta %2</translation>
    </message>
    <message>
        <source>could not be written: %1</source>
        <translation>no se pudo escribir: %1</translation>
    </message>
    <message>
        <source>not converted: a file of its name was there already, and stays as it was</source>
        <translation>no convertido: ya había un archivo con su nombre, que se queda como estaba</translation>
    </message>
    <message>
        <source>not converted: the batch was stopped before it</source>
        <translation>no convertido: la conversión se detuvo antes de llegar a él</translation>
    </message>
    <message numerus="yes">
        <source>Converted %1 of %n codes.</source>
        <translation>
            <numerusform>%1 de %n código convertido.</numerusform>
            <numerusform>%1 de %n códigos convertidos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stopped: converted %1 of %n codes; every file written before is whole.</source>
        <translation>
            <numerusform>Detenido: %1 de %n código convertido; todos los archivos ya escritos están completos.</numerusform>
            <numerusform>Detenido: %1 de %n códigos convertidos; todos los archivos ya escritos están completos.</numerusform>
        </translation>
    </message>
    <message>
        <source>There are no .txt files to convert here.</source>
        <translation>Aquí no hay archivos .txt para convertir.</translation>
    </message>
</context>
</TS>
