<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>QVRToMorvane
Version: 0.1
The QVRtoMorvane project
Free software, MIT licence</source>
        <translation>QVRToMorvane
Версия: 0.1
Проект QVRtoMorvane
Свободное ПО, лицензия MIT</translation>
    </message>
</context>
<context>
    <name>BatchDialog</name>
    <message>
        <source>waiting</source>
        <translation>ожидает</translation>
    </message>
    <message numerus="yes">
        <source>Converting %n code(s) into %1</source>
        <translation>
            <numerusform>Конвертируется %n код в папку %1</numerusform>
            <numerusform>Конвертируются %n кода в папку %1</numerusform>
            <numerusform>Конвертируются %n кодов в папку %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Открыть папку</translation>
    </message>
    <message>
        <source>Convert Several Codes</source>
        <translation>Конвертировать несколько кодов</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Код</translation>
    </message>
    <message>
        <source>What became of it</source>
        <translation>Что с ним стало</translation>
    </message>
</context>
<context>
    <name>CodeSession</name>
    <message>
        <source>plain</source>
        <translation>обычный текст</translation>
    </message>
    <message>
        <source>underlined</source>
        <translation>подчёркнуто</translation>
    </message>
    <message>
        <source>dashed underline</source>
        <translation>подчёркнуто пунктиром</translation>
    </message>
    <message>
        <source>struck through</source>
        <translation>зачёркнуто</translation>
    </message>
    <message>
        <source>Every segment was copied as it was.</source>
        <translation>Все сегменты скопированы без изменений.</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... и ещё %n</numerusform>
            <numerusform>... и ещё %n</numerusform>
            <numerusform>... и ещё %n</numerusform>
        </translation>
    </message>
    <message>
        <source>#%1 stands beyond the part of the code shown here.</source>
        <translation>#%1 находится за пределами показанной здесь части кода.</translation>
    </message>
    <message>
        <source>#%1 was dropped: nothing of it is in the Morvane code.</source>
        <translation>#%1 удалён: в коде Morvane от него ничего нет.</translation>
    </message>
    <message>
        <source>#%1 stands beyond the part of the Morvane code shown here.</source>
        <translation>#%1 находится за пределами показанной здесь части кода Morvane.</translation>
    </message>
    <message>
        <source>(clipboard)</source>
        <translation>(буфер обмена)</translation>
    </message>
    <message>
        <source>(shared)</source>
        <translation>(присланный код)</translation>
    </message>
</context>
<context>
    <name>CodeText</name>
    <message>
        <source>Showing the first %1 KB of %2 bytes; Save and Copy give the whole code.</source>
        <translation>Показаны первые %1 КБ из %2 байт; при сохранении и копировании берётся весь код.</translation>
    </message>
</context>
<context>
    <name>ConversionDetails</name>
    <message>
        <source>Conversion Details</source>
        <translation>Подробности конвертации</translation>
    </message>
    <message>
        <source>&amp;QVR code</source>
        <translation>&amp;Код QVR</translation>
    </message>
    <message>
        <source>&amp;Morvane code</source>
        <translation>К&amp;од Morvane</translation>
    </message>
    <message>
        <source>&amp;Segments not copied (select one to find it in both codes)</source>
        <translation>&amp;Нескопированные сегменты (выберите сегмент, чтобы найти его в обоих кодах)</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Segment</source>
        <translation>Сегмент</translation>
    </message>
    <message>
        <source>Fate</source>
        <translation>Итог</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Причина</translation>
    </message>
</context>
<context>
    <name>ConversionReport</name>
    <message>
        <source>copied</source>
        <translation>скопировано</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>изменено</translation>
    </message>
    <message>
        <source>renumbered</source>
        <translation>перенумеровано</translation>
    </message>
    <message>
        <source>dropped</source>
        <translation>удалено</translation>
    </message>
    <message>
        <source>the last value is cut</source>
        <translation>последнее значение отрезано</translation>
    </message>
    <message>
        <source>the last two values are cut</source>
        <translation>последние два значения отрезаны</translation>
    </message>
    <message>
        <source>the last three values are cut</source>
        <translation>последние три значения отрезаны</translation>
    </message>
    <message>
        <source>the last four values are cut</source>
        <translation>последние четыре значения отрезаны</translation>
    </message>
    <message>
        <source>the last two characters are cut</source>
        <translation>последние два символа отрезаны</translation>
    </message>
    <message>
        <source>nothing is left once %1 loses its last two characters</source>
        <translation>от %1 ничего не остаётся, если отрезать последние два символа</translation>
    </message>
    <message>
        <source>the last six characters are cut</source>
        <translation>последние шесть символов отрезаны</translation>
    </message>
    <message>
        <source>nothing is left once %1 loses its last six characters</source>
        <translation>от %1 ничего не остаётся, если отрезать последние шесть символов</translation>
    </message>
    <message>
        <source>%1, value 11 becomes 1</source>
        <translation>%1, значение 11 становится 1</translation>
    </message>
    <message>
        <source>%1, and a value 1 is added</source>
        <translation>%1, и добавляется значение 1</translation>
    </message>
    <message>
        <source>%1: slot %2 stays %3, %4</source>
        <translation>%1: слот %2 остаётся %3, %4</translation>
    </message>
    <message>
        <source>%1: slot %2 becomes %3, %4</source>
        <translation>%1: слот %2 становится %3, %4</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: value %2 becomes %3 and value %4 becomes %5</source>
        <translation>%1: значение %2 становится %3, а значение %4 становится %5</translation>
    </message>
    <message>
        <source>Morvane takes no &quot;%1&quot; segments</source>
        <translation>Morvane не принимает сегменты «%1»</translation>
    </message>
    <message>
        <source>all %1 %2 slots are taken</source>
        <translation>заняты все слоты %2 (всего %1)</translation>
    </message>
    <message>
        <source>a %1 segment needs at least %2 values</source>
        <translation>сегменту %1 нужно не менее %2 значений</translation>
    </message>
    <message>
        <source>an %1 segment needs at least %2 values</source>
        <translation>сегменту %1 нужно не менее %2 значений</translation>
    </message>
    <message>
        <source>value 0 has no slot number</source>
        <translation>в значении 0 нет номера слота</translation>
    </message>
    <message>
        <source>the last value kept, &quot;%1&quot;, is not a number</source>
        <translation>последнее оставшееся значение «%1» не является числом</translation>
    </message>
    <message>
        <source>the lead number &quot;%1&quot; is not a number</source>
        <translation>основной номер «%1» не является числом</translation>
    </message>
    <message>
        <source>the last value kept, %1, is above %2</source>
        <translation>последнее оставшееся значение %1 больше %2</translation>
    </message>
    <message>
        <source>the lead number %1 is above %2</source>
        <translation>основной номер %1 больше %2</translation>
    </message>
    <message numerus="yes">
        <source>%n segments: %1 copied, %2 changed, %3 renumbered, %4 dropped</source>
        <translation>
            <numerusform>%n сегмент: скопировано %1, изменено %2, перенумеровано %3, удалено %4</numerusform>
            <numerusform>%n сегмента: скопировано %1, изменено %2, перенумеровано %3, удалено %4</numerusform>
            <numerusform>%n сегментов: скопировано %1, изменено %2, перенумеровано %3, удалено %4</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Step 1:</source>
        <translation>Шаг 1:</translation>
    </message>
    <message>
        <source>Step 2:</source>
        <translation>Шаг 2:</translation>
    </message>
    <message>
        <source>Step 3:</source>
        <translation>Шаг 3:</translation>
    </message>
    <message>
        <source>Step 4:</source>
        <translation>Шаг 4:</translation>
    </message>
    <message>
        <source>Click the &quot;LOAD QVR FILE&quot; button.</source>
        <translation>Нажмите «ЗАГРУЗИТЬ ФАЙЛ QVR».</translation>
    </message>
    <message>
        <source>Select a qvr code .txt file to load into the
program and load it in.</source>
        <translation>Выберите файл .txt с кодом QVR,
чтобы загрузить его в программу.</translation>
    </message>
    <message>
        <source>If the loaded file is valid, click on the
&quot;CONVERT QVR TO MORVANE&quot; button. If
the file is invalid, try to select a
different file that is valid.</source>
        <translation>Если файл подходит, нажмите
«КОНВЕРТИРОВАТЬ QVR В MORVANE».
Если нет, выберите другой,
подходящий файл.</translation>
    </message>
    <message>
        <source>Click on the &quot;SAVE MORVANE CODE
TO COMPUTER&quot; button and save as
a new .txt file, or highlight the new
displayed morvane code and copy-paste
it into the morvane import screen.</source>
        <translation>Нажмите кнопку
«СОХРАНИТЬ КОД MORVANE» и
сохраните новый файл .txt или
скопируйте новый код и вставьте
его на экране импорта Morvane.</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Converts a character code for the QVR variant of the dress-up program into a code that Morvane imports. Everything happens in this page: nothing is sent anywhere.</source>
        <translation>Конвертирует код персонажа для варианта QVR игры-одевалки в код, который импортирует Morvane. Всё происходит на этой странице: ничего никуда не отправляется.</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Язык:</translation>
    </message>
    <message>
        <source>PASTE QVR CODE</source>
        <translation>ВСТАВИТЬ КОД QVR</translation>
    </message>
    <message>
        <source>COPY MORVANE CODE</source>
        <translation>КОПИРОВАТЬ КОД MORVANE</translation>
    </message>
    <message>
        <source>SHARE MORVANE CODE</source>
        <translation>ПОДЕЛИТЬСЯ КОДОМ MORVANE</translation>
    </message>
    <message>
        <source>QVR code</source>
        <translation>Код QVR</translation>
    </message>
    <message>
        <source>Morvane code</source>
        <translation>Код Morvane</translation>
    </message>
    <message>
        <source>Segments not copied</source>
        <translation>Нескопированные сегменты</translation>
    </message>
    <message>
        <source>Several codes at once</source>
        <translation>Несколько кодов сразу</translation>
    </message>
    <message>
        <source>Converts a handful of code files, or a whole folder, into one zip; the code above stays as it is.</source>
        <translation>Конвертирует несколько файлов с кодами или целую папку в один zip-архив; код выше остаётся как есть.</translation>
    </message>
    <message>
        <source>CONVERT SEVERAL CODES</source>
        <translation>КОНВЕРТИРОВАТЬ НЕСКОЛЬКО КОДОВ</translation>
    </message>
    <message>
        <source>CONVERT A FOLDER</source>
        <translation>КОНВЕРТИРОВАТЬ ПАПКУ</translation>
    </message>
    <message>
        <source>SAVE ALL</source>
        <translation>СОХРАНИТЬ ВСЁ</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>СТОП</translation>
    </message>
    <message>
        <source>Click the &quot;LOAD QVR FILE&quot; button.</source>
        <translation>Нажмите кнопку «ЗАГРУЗИТЬ ФАЙЛ QVR».</translation>
    </message>
    <message>
        <source>Select a qvr code .txt file to load into the program and load it in.</source>
        <translation>Выберите файл .txt с кодом QVR, чтобы загрузить его в программу.</translation>
    </message>
    <message>
        <source>(You may also drop the file on this page, or paste the code: &quot;PASTE QVR CODE&quot;, Ctrl+V anywhere, or on a phone a long press in the box above the convert button, then Paste. Once the page is installed, a phone&apos;s Share in a chat offers it too: the code in a shared message is taken, whatever words are around it.)</source>
        <translation>(Можно также перетащить файл на эту страницу или вставить код: кнопкой «ВСТАВИТЬ КОД QVR», клавишами Ctrl+V в любом месте или на телефоне долгим нажатием на поле над кнопкой конвертации, а затем «Вставить». Если страница установлена, на телефоне её можно выбрать и в меню «Поделиться» в чате: из присланного сообщения берётся код, какие бы слова его ни окружали.)</translation>
    </message>
    <message>
        <source>If the loaded file is valid, click on the &quot;CONVERT QVR TO MORVANE&quot; button. If the file is invalid, try to select a different file that is valid.</source>
        <translation>Если загруженный файл подходит, нажмите кнопку «КОНВЕРТИРОВАТЬ QVR В MORVANE». Если файл не подходит, выберите другой, подходящий файл.</translation>
    </message>
    <message>
        <source>Click on the &quot;SAVE MORVANE CODE TO COMPUTER&quot; button and save as a new .txt file, or copy the new displayed morvane code and paste it into the morvane import screen (on a phone, &quot;SHARE MORVANE CODE&quot; sends it straight back into a chat).</source>
        <translation>Нажмите кнопку «СОХРАНИТЬ КОД MORVANE» и сохраните его как новый файл .txt или скопируйте показанный новый код Morvane и вставьте его на экране импорта в Morvane (на телефоне кнопка «ПОДЕЛИТЬСЯ КОДОМ MORVANE» отправит его прямо в чат).</translation>
    </message>
    <message>
        <source>Codes converted</source>
        <translation>Конвертировано кодов</translation>
    </message>
    <message>
        <source>What became of each code</source>
        <translation>Что стало с каждым кодом</translation>
    </message>
    <message>
        <source>This browser could not start the converter: try another browser.</source>
        <translation>Этот браузер не смог запустить конвертер: попробуйте другой браузер.</translation>
    </message>
    <message>
        <source>The page failed and must be reloaded to convert again.</source>
        <translation>На странице произошла ошибка: перезагрузите её, чтобы снова конвертировать.</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>ожидает</translation>
    </message>
    <message>
        <source>the browser could not read it</source>
        <translation>браузер не смог его прочитать</translation>
    </message>
    <message>
        <source>the browser refused</source>
        <translation>браузер отказал</translation>
    </message>
</context>
<context>
    <name>QVRtoMorvane</name>
    <message>
        <source>LOAD QVR FILE</source>
        <translation>ЗАГРУЗИТЬ ФАЙЛ QVR</translation>
    </message>
    <message>
        <source>Selected File:</source>
        <translation>Выбранный файл:</translation>
    </message>
    <message>
        <source>CONVERT QVR TO MORVANE</source>
        <translation>КОНВЕРТИРОВАТЬ QVR В MORVANE</translation>
    </message>
    <message>
        <source>SAVE MORVANE CODE TO COMPUTER</source>
        <translation>СОХРАНИТЬ КОД MORVANE</translation>
    </message>
    <message>
        <source>CLEAR CURRENT CODES</source>
        <translation>ОЧИСТИТЬ КОДЫ</translation>
    </message>
    <message>
        <source>Conversion Details</source>
        <translation>Подробности конвертации</translation>
    </message>
    <message>
        <source>QVRtoMorvane</source>
        <translation>QVRtoMorvane</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>Selected File: </source>
        <translation>Выбранный файл: </translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>ВЫХОД</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Правка</translation>
    </message>
    <message>
        <source>Paste QVR Code</source>
        <translation>Вставить код QVR</translation>
    </message>
    <message>
        <source>Ctrl+V</source>
        <translation>Ctrl+V</translation>
    </message>
    <message>
        <source>Convert Several Codes...</source>
        <translation>Конвертировать несколько кодов...</translation>
    </message>
    <message>
        <source>Copy Morvane Code</source>
        <translation>Копировать код Morvane</translation>
    </message>
    <message>
        <source>Ctrl+Shift+C</source>
        <translation>Ctrl+Shift+C</translation>
    </message>
    <message>
        <source>Above: %1</source>
        <translation>Вверху: %1</translation>
    </message>
    <message>
        <source>Below: %1</source>
        <translation>Внизу: %1</translation>
    </message>
    <message>
        <source>Save Code to File</source>
        <translation>Сохранение кода в файл</translation>
    </message>
    <message>
        <source>The code could not be saved to &quot;%1&quot;:
%2</source>
        <translation>Не удалось сохранить код в «%1»:
%2</translation>
    </message>
    <message>
        <source>Select the codes to convert</source>
        <translation>Выберите коды для конвертации</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Текстовые файлы (*.txt)</translation>
    </message>
    <message>
        <source>Convert Several Codes</source>
        <translation>Конвертировать несколько кодов</translation>
    </message>
    <message>
        <source>Choose a folder for the Morvane codes</source>
        <translation>Выберите папку для кодов Morvane</translation>
    </message>
    <message numerus="yes">
        <source>%n of these codes would replace a file of the same name in %1.</source>
        <translation>
            <numerusform>%n из этих кодов заменит одноимённый файл в %1.</numerusform>
            <numerusform>%n из этих кодов заменят одноимённые файлы в %1.</numerusform>
            <numerusform>%n из этих кодов заменят одноимённые файлы в %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace Them</source>
        <translation>Заменить</translation>
    </message>
    <message>
        <source>Skip Them</source>
        <translation>Пропустить</translation>
    </message>
    <message>
        <source>QVR Code will be displayed here...</source>
        <translation>Здесь будет показан код QVR...</translation>
    </message>
    <message>
        <source>New Morvane Code will be displayed here...</source>
        <translation>Здесь будет показан новый код Morvane...</translation>
    </message>
    <message>
        <source>The file you provided is not a valid QVR file!!</source>
        <translation>Этот файл не является правильным файлом QVR!</translation>
    </message>
    <message>
        <source>Select a file to load</source>
        <translation>Выберите файл для загрузки</translation>
    </message>
</context>
<context>
    <name>StepMessage</name>
    <message>
        <source>Loaded %1.</source>
        <translation>Загружено: %1.</translation>
    </message>
    <message>
        <source>Loaded the pasted code.</source>
        <translation>Вставленный код загружен.</translation>
    </message>
    <message>
        <source>%1 is not a QVR code: it does not begin with 106 or 107.</source>
        <translation>%1 — не код QVR: он не начинается с 106 или 107.</translation>
    </message>
    <message>
        <source>%1 is not a QVR code: its header is incomplete or one of its segments is empty.</source>
        <translation>%1 — не код QVR: его заголовок неполон или один из сегментов пуст.</translation>
    </message>
    <message>
        <source>The pasted text is not a QVR code: it does not begin with 106 or 107.</source>
        <translation>Вставленный текст — не код QVR: он не начинается с 106 или 107.</translation>
    </message>
    <message>
        <source>The pasted text is not a QVR code: its header is incomplete or one of its segments is empty.</source>
        <translation>Вставленный текст — не код QVR: его заголовок неполон или один из сегментов пуст.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>Не удалось прочитать %1: %2.</translation>
    </message>
    <message>
        <source>%1 holds %2; codes of up to %3 can be converted here.</source>
        <translation>Размер %1 — %2; здесь можно конвертировать коды размером до %3.</translation>
    </message>
    <message>
        <source>Converted: %1.</source>
        <translation>Конвертировано: %1.</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>Сохранено: %1.</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2.</source>
        <translation>Не удалось сохранить %1: %2.</translation>
    </message>
    <message>
        <source>Morvane code copied.</source>
        <translation>Код Morvane скопирован в буфер обмена.</translation>
    </message>
    <message>
        <source>The code could not be copied (%1): select it in the lower box and copy it.</source>
        <translation>Не удалось скопировать код (%1): выделите его в нижнем поле и скопируйте.</translation>
    </message>
    <message>
        <source>The clipboard holds no text to paste.</source>
        <translation>В буфере обмена нет текста для вставки.</translation>
    </message>
    <message>
        <source>This browser does not let the page read the clipboard: press Ctrl+V, or on a phone long-press the box above the convert button and choose Paste.</source>
        <translation>Этот браузер не даёт странице прочитать буфер обмена: нажмите Ctrl+V, а на телефоне долго нажмите на поле над кнопкой конвертации и выберите «Вставить».</translation>
    </message>
    <message>
        <source>Only a file can be dropped here; to load a code as text, paste it.</source>
        <translation>Сюда можно перетащить только файл; чтобы загрузить код как текст, вставьте его.</translation>
    </message>
    <message>
        <source>Loaded the shared code.</source>
        <translation>Присланный код загружен.</translation>
    </message>
    <message>
        <source>Loaded the QVR code found in the shared text.</source>
        <translation>Загружен код QVR, найденный в присланном тексте.</translation>
    </message>
    <message>
        <source>The shared text is not a QVR code: it does not begin with 106 or 107.</source>
        <translation>Присланный текст — не код QVR: он не начинается с 106 или 107.</translation>
    </message>
    <message>
        <source>The shared text is not a QVR code: its header is incomplete or one of its segments is empty.</source>
        <translation>Присланный текст — не код QVR: его заголовок неполон или один из сегментов пуст.</translation>
    </message>
    <message>
        <source>Morvane code shared.</source>
        <translation>Код Morvane отправлен.</translation>
    </message>
    <message>
        <source>The code could not be shared (%1): copy it instead.</source>
        <translation>Не удалось поделиться кодом (%1): скопируйте его.</translation>
    </message>
    <message>
        <source>converted: %1</source>
        <translation>конвертирован: %1</translation>
    </message>
    <message>
        <source>converted into %2, since another code has the same name: %1</source>
        <translation>конвертирован в %2, так как у другого кода то же имя: %1</translation>
    </message>
    <message>
        <source>not a QVR code: it does not begin with 106 or 107</source>
        <translation>не код QVR: не начинается с 106 или 107</translation>
    </message>
    <message>
        <source>not a QVR code: its header is incomplete or one of its segments is empty</source>
        <translation>не код QVR: заголовок неполон или один из сегментов пуст</translation>
    </message>
    <message>
        <source>could not be read: %1</source>
        <translation>не удалось прочитать: %1</translation>
    </message>
    <message>
        <source>holds %1; codes of up to %2 can be converted here</source>
        <translation>размер %1; здесь можно конвертировать коды размером до %2</translation>
    </message>
    <message>
        <source>could not be written: %1</source>
        <translation>не удалось записать: %1</translation>
    </message>
    <message>
        <source>not converted: a file of its name was there already, and stays as it was</source>
        <translation>не конвертирован: файл с таким именем уже был и остался без изменений</translation>
    </message>
    <message>
        <source>not converted: the batch was stopped before it</source>
        <translation>не конвертирован: конвертацию остановили раньше</translation>
    </message>
    <message numerus="yes">
        <source>Converted %1 of %n codes.</source>
        <translation>
            <numerusform>Конвертировано %1 из %n кода.</numerusform>
            <numerusform>Конвертировано %1 из %n кодов.</numerusform>
            <numerusform>Конвертировано %1 из %n кодов.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stopped: converted %1 of %n codes; every file written before is whole.</source>
        <translation>
            <numerusform>Остановлено: конвертировано %1 из %n кода; все файлы, записанные до остановки, целы.</numerusform>
            <numerusform>Остановлено: конвертировано %1 из %n кодов; все файлы, записанные до остановки, целы.</numerusform>
            <numerusform>Остановлено: конвертировано %1 из %n кодов; все файлы, записанные до остановки, целы.</numerusform>
        </translation>
    </message>
    <message>
        <source>There are no .txt files to convert here.</source>
        <translation>Здесь нет файлов .txt для конвертации.</translation>
    </message>
</context>
</TS>
