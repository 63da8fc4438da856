<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>QVRToMorvane
Version: 0.1
The QVRtoMorvane project
Free software, MIT licence</source>
        <translation>QVRToMorvane
버전: 0.1
QVRtoMorvane 프로젝트
자유 소프트웨어, MIT 라이선스</translation>
    </message>
</context>
<context>
    <name>BatchDialog</name>
    <message>
        <source>waiting</source>
        <translation>대기 중</translation>
    </message>
    <message numerus="yes">
        <source>Converting %n code(s) into %1</source>
        <translation>
            <numerusform>코드 %n개를 변환하여 %1에 저장하는 중</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>중지</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>폴더 열기</translation>
    </message>
    <message>
        <source>Convert Several Codes</source>
        <translation>코드 일괄 변환</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>코드</translation>
    </message>
    <message>
        <source>What became of it</source>
        <translation>결과</translation>
    </message>
</context>
<context>
    <name>CodeSession</name>
    <message>
        <source>plain</source>
        <translation>표시 없음</translation>
    </message>
    <message>
        <source>underlined</source>
        <translation>밑줄</translation>
    </message>
    <message>
        <source>dashed underline</source>
        <translation>점선 밑줄</translation>
    </message>
    <message>
        <source>struck through</source>
        <translation>취소선</translation>
    </message>
    <message>
        <source>Every segment was copied as it was.</source>
        <translation>모든 세그먼트가 그대로 복사되었습니다.</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... 외 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>#%1 stands beyond the part of the code shown here.</source>
        <translation>#%1: 여기에 표시된 코드 범위 밖에 있습니다.</translation>
    </message>
    <message>
        <source>#%1 was dropped: nothing of it is in the Morvane code.</source>
        <translation>#%1: 제외되어 Morvane 코드에 전혀 들어 있지 않습니다.</translation>
    </message>
    <message>
        <source>#%1 stands beyond the part of the Morvane code shown here.</source>
        <translation>#%1: 여기에 표시된 Morvane 코드 범위 밖에 있습니다.</translation>
    </message>
    <message>
        <source>(clipboard)</source>
        <translation>(클립보드)</translation>
    </message>
    <message>
        <source>(shared)</source>
        <translation>(공유됨)</translation>
    </message>
</context>
<context>
    <name>CodeText</name>
    <message>
        <source>Showing the first %1 KB of %2 bytes; Save and Copy give the whole code.</source>
        <translation>%2바이트 중 처음 %1KB만 표시합니다. 저장과 복사는 전체 코드를 대상으로 합니다.</translation>
    </message>
</context>
<context>
    <name>ConversionDetails</name>
    <message>
        <source>Conversion Details</source>
        <translation>변환 상세 정보</translation>
    </message>
    <message>
        <source>&amp;QVR code</source>
        <translation>QVR 코드(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Morvane code</source>
        <translation>Morvane 코드(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Segments not copied (select one to find it in both codes)</source>
        <translation>복사되지 않은 세그먼트(&amp;S) (하나를 선택하면 두 코드에서 위치를 보여 줍니다)</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Segment</source>
        <translation>세그먼트</translation>
    </message>
    <message>
        <source>Fate</source>
        <translation>결과</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>이유</translation>
    </message>
</context>
<context>
    <name>ConversionReport</name>
    <message>
        <source>copied</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>변경</translation>
    </message>
    <message>
        <source>renumbered</source>
        <translation>번호 변경</translation>
    </message>
    <message>
        <source>dropped</source>
        <translation>제외</translation>
    </message>
    <message>
        <source>the last value is cut</source>
        <translation>마지막 값 1개 잘림</translation>
    </message>
    <message>
        <source>the last two values are cut</source>
        <translation>마지막 값 2개 잘림</translation>
    </message>
    <message>
        <source>the last three values are cut</source>
        <translation>마지막 값 3개 잘림</translation>
    </message>
    <message>
        <source>the last four values are cut</source>
        <translation>마지막 값 4개 잘림</translation>
    </message>
    <message>
        <source>the last two characters are cut</source>
        <translation>마지막 2글자 잘림</translation>
    </message>
    <message>
        <source>nothing is left once %1 loses its last two characters</source>
        <translation>%1에서 마지막 2글자를 자르면 아무것도 남지 않음</translation>
    </message>
    <message>
        <source>the last six characters are cut</source>
        <translation>마지막 6글자 잘림</translation>
    </message>
    <message>
        <source>nothing is left once %1 loses its last six characters</source>
        <translation>%1에서 마지막 6글자를 자르면 아무것도 남지 않음</translation>
    </message>
    <message>
        <source>%1, value 11 becomes 1</source>
        <translation>%1, 값 11이 1로 바뀜</translation>
    </message>
    <message>
        <source>%1, and a value 1 is added</source>
        <translation>%1, 값 1 추가됨</translation>
    </message>
    <message>
        <source>%1: slot %2 stays %3, %4</source>
        <translation>%1: 슬롯 %2 → %3 (그대로), %4</translation>
    </message>
    <message>
        <source>%1: slot %2 becomes %3, %4</source>
        <translation>%1: 슬롯 %2 → %3, %4</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: value %2 becomes %3 and value %4 becomes %5</source>
        <translation>%1: 값 %2 → %3, 값 %4 → %5</translation>
    </message>
    <message>
        <source>Morvane takes no &quot;%1&quot; segments</source>
        <translation>Morvane에서는 ‘%1’ 세그먼트를 받지 않음</translation>
    </message>
    <message>
        <source>all %1 %2 slots are taken</source>
        <translation>%2 슬롯 %1개가 모두 사용 중</translation>
    </message>
    <message>
        <source>a %1 segment needs at least %2 values</source>
        <translation>%1 세그먼트에는 값이 %2개 이상 필요함</translation>
    </message>
    <message>
        <source>an %1 segment needs at least %2 values</source>
        <translation>%1 세그먼트에는 값이 %2개 이상 필요함</translation>
    </message>
    <message>
        <source>value 0 has no slot number</source>
        <translation>값 0에 슬롯 번호가 없음</translation>
    </message>
    <message>
        <source>the last value kept, &quot;%1&quot;, is not a number</source>
        <translation>남기는 마지막 값이 숫자가 아님(‘%1’)</translation>
    </message>
    <message>
        <source>the lead number &quot;%1&quot; is not a number</source>
        <translation>맨 앞 번호가 숫자가 아님(‘%1’)</translation>
    </message>
    <message>
        <source>the last value kept, %1, is above %2</source>
        <translation>남기는 마지막 값이 %2보다 큼(%1)</translation>
    </message>
    <message>
        <source>the lead number %1 is above %2</source>
        <translation>맨 앞 번호가 %2보다 큼(%1)</translation>
    </message>
    <message numerus="yes">
        <source>%n segments: %1 copied, %2 changed, %3 renumbered, %4 dropped</source>
        <translation>
            <numerusform>세그먼트 %n개: 복사 %1, 변경 %2, 번호 변경 %3, 제외 %4</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Step 1:</source>
        <translation>1단계:</translation>
    </message>
    <message>
        <source>Step 2:</source>
        <translation>2단계:</translation>
    </message>
    <message>
        <source>Step 3:</source>
        <translation>3단계:</translation>
    </message>
    <message>
        <source>Step 4:</source>
        <translation>4단계:</translation>
    </message>
    <message>
        <source>Click the &quot;LOAD QVR FILE&quot; button.</source>
        <translation>‘QVR 파일 불러오기’ 버튼을
클릭하세요.</translation>
    </message>
    <message>
        <source>Select a qvr code .txt file to load into the
program and load it in.</source>
        <translation>불러올 QVR 코드 .txt 파일을
선택해 프로그램에 불러오세요.</translation>
    </message>
    <message>
        <source>If the loaded file is valid, click on the
&quot;CONVERT QVR TO MORVANE&quot; button. If
the file is invalid, try to select a
different file that is valid.</source>
        <translation>불러온 파일이 유효하면
‘QVR → Morvane 변환’ 버튼을
클릭하세요. 유효하지 않으면
유효한 다른 파일을 선택하세요.</translation>
    </message>
    <message>
        <source>Click on the &quot;SAVE MORVANE CODE
TO COMPUTER&quot; button and save as
a new .txt file, or highlight the new
displayed morvane code and copy-paste
it into the morvane import screen.</source>
        <translation>‘Morvane 코드 저장’ 버튼을
클릭해 새 .txt 파일로 저장하거나,
새로 표시된 Morvane 코드를
복사해 Morvane 가져오기 화면에
붙여넣으세요.</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Converts a character code for the QVR variant of the dress-up program into a code that Morvane imports. Everything happens in this page: nothing is sent anywhere.</source>
        <translation>옷 입히기 프로그램의 QVR 버전용 캐릭터 코드를 Morvane에서 가져올 수 있는 코드로 변환합니다. 모든 작업은 이 페이지 안에서 이루어지며, 어디에도 전송되지 않습니다.</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>언어:</translation>
    </message>
    <message>
        <source>PASTE QVR CODE</source>
        <translation>QVR 코드 붙여넣기</translation>
    </message>
    <message>
        <source>COPY MORVANE CODE</source>
        <translation>Morvane 코드 복사</translation>
    </message>
    <message>
        <source>SHARE MORVANE CODE</source>
        <translation>Morvane 코드 공유</translation>
    </message>
    <message>
        <source>QVR code</source>
        <translation>QVR 코드</translation>
    </message>
    <message>
        <source>Morvane code</source>
        <translation>Morvane 코드</translation>
    </message>
    <message>
        <source>Segments not copied</source>
        <translation>복사되지 않은 세그먼트</translation>
    </message>
    <message>
        <source>Several codes at once</source>
        <translation>여러 코드 일괄 변환</translation>
    </message>
    <message>
        <source>Converts a handful of code files, or a whole folder, into one zip; the code above stays as it is.</source>
        <translation>코드 파일 여러 개나 폴더 전체를 변환해 zip 파일 하나로 묶습니다. 위의 코드는 그대로 유지됩니다.</translation>
    </message>
    <message>
        <source>CONVERT SEVERAL CODES</source>
        <translation>코드 일괄 변환</translation>
    </message>
    <message>
        <source>CONVERT A FOLDER</source>
        <translation>폴더 변환</translation>
    </message>
    <message>
        <source>SAVE ALL</source>
        <translation>모두 저장</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>중지</translation>
    </message>
    <message>
        <source>Click the &quot;LOAD QVR FILE&quot; button.</source>
        <translation>‘QVR 파일 불러오기’ 버튼을 클릭하세요.</translation>
    </message>
    <message>
        <source>Select a qvr code .txt file to load into the program and load it in.</source>
        <translation>불러올 QVR 코드 .txt 파일을 선택해 프로그램에 불러오세요.</translation>
    </message>
    <message>
        <source>(You may also drop the file on this page, or paste the code: &quot;PASTE QVR CODE&quot;, Ctrl+V anywhere, or on a phone a long press in the box above the convert button, then Paste. Once the page is installed, a phone&apos;s Share in a chat offers it too: the code in a shared message is taken, whatever words are around it.)</source>
        <translation>(파일을 이 페이지에 끌어다 놓거나 코드를 붙여넣을 수도 있습니다. ‘QVR 코드 붙여넣기’ 버튼을 누르거나, 아무 곳에서나 Ctrl+V를 누르거나, 휴대폰에서는 변환 버튼 위의 입력란을 길게 누른 뒤 ‘붙여넣기’를 선택하세요. 페이지를 설치하면 채팅에서 휴대폰의 ‘공유’를 눌러도 이 페이지가 나타납니다. 공유한 메시지에 들어 있는 코드는 주변에 어떤 글이 있어도 가져옵니다.)</translation>
    </message>
    <message>
        <source>If the loaded file is valid, click on the &quot;CONVERT QVR TO MORVANE&quot; button. If the file is invalid, try to select a different file that is valid.</source>
        <translation>불러온 파일이 유효하면 ‘QVR → Morvane 변환’ 버튼을 클릭하세요. 유효하지 않으면 유효한 다른 파일을 선택하세요.</translation>
    </message>
    <message>
        <source>Click on the &quot;SAVE MORVANE CODE TO COMPUTER&quot; button and save as a new .txt file, or copy the new displayed morvane code and paste it into the morvane import screen (on a phone, &quot;SHARE MORVANE CODE&quot; sends it straight back into a chat).</source>
        <translation>‘Morvane 코드 저장’ 버튼을 클릭해 새 .txt 파일로 저장하거나, 새로 표시된 Morvane 코드를 복사해 Morvane 가져오기 화면에 붙여넣으세요(휴대폰에서는 ‘Morvane 코드 공유’ 버튼으로 채팅에 바로 보낼 수 있습니다).</translation>
    </message>
    <message>
        <source>Codes converted</source>
        <translation>변환된 코드</translation>
    </message>
    <message>
        <source>What became of each code</source>
        <translation>코드별 결과</translation>
    </message>
    <message>
        <source>This browser could not start the converter: try another browser.</source>
        <translation>이 브라우저에서는 변환기를 시작할 수 없습니다. 다른 브라우저를 사용해 보세요.</translation>
    </message>
    <message>
        <source>The page failed and must be reloaded to convert again.</source>
        <translation>페이지에 오류가 발생했습니다. 다시 변환하려면 페이지를 새로 고치세요.</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>대기 중</translation>
    </message>
    <message>
        <source>the browser could not read it</source>
        <translation>브라우저가 파일을 읽지 못함</translation>
    </message>
    <message>
        <source>the browser refused</source>
        <translation>브라우저가 거부함</translation>
    </message>
</context>
<context>
    <name>QVRtoMorvane</name>
    <message>
        <source>LOAD QVR FILE</source>
        <translation>QVR 파일 불러오기</translation>
    </message>
    <message>
        <source>Selected File:</source>
        <translation>선택한 파일:</translation>
    </message>
    <message>
        <source>CONVERT QVR TO MORVANE</source>
        <translation>QVR → Morvane 변환</translation>
    </message>
    <message>
        <source>SAVE MORVANE CODE TO COMPUTER</source>
        <translation>Morvane 코드 저장</translation>
    </message>
    <message>
        <source>CLEAR CURRENT CODES</source>
        <translation>현재 코드 지우기</translation>
    </message>
    <message>
        <source>Conversion Details</source>
        <translation>변환 상세 정보</translation>
    </message>
    <message>
        <source>QVRtoMorvane</source>
        <translation>QVRtoMorvane</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>Selected File: </source>
        <translation>선택한 파일: </translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>편집</translation>
    </message>
    <message>
        <source>Paste QVR Code</source>
        <translation>QVR 코드 붙여넣기</translation>
    </message>
    <message>
        <source>Ctrl+V</source>
        <translation>Ctrl+V</translation>
    </message>
    <message>
        <source>Convert Several Codes...</source>
        <translation>코드 일괄 변환...</translation>
    </message>
    <message>
        <source>Copy Morvane Code</source>
        <translation>Morvane 코드 복사</translation>
    </message>
    <message>
        <source>Ctrl+Shift+C</source>
        <translation>Ctrl+Shift+C</translation>
    </message>
    <message>
        <source>Above: %1</source>
        <translation>위: %1</translation>
    </message>
    <message>
        <source>Below: %1</source>
        <translation>아래: %1</translation>
    </message>
    <message>
        <source>Save Code to File</source>
        <translation>코드를 파일로 저장</translation>
    </message>
    <message>
        <source>The code could not be saved to &quot;%1&quot;:
%2</source>
        <translation>코드를 ‘%1’에 저장할 수 없습니다:
%2</translation>
    </message>
    <message>
        <source>Select the codes to convert</source>
        <translation>변환할 코드 선택</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>텍스트 파일 (*.txt)</translation>
    </message>
    <message>
        <source>Convert Several Codes</source>
        <translation>코드 일괄 변환</translation>
    </message>
    <message>
        <source>Choose a folder for the Morvane codes</source>
        <translation>Morvane 코드를 저장할 폴더 선택</translation>
    </message>
    <message numerus="yes">
        <source>%n of these codes would replace a file of the same name in %1.</source>
        <translation>
            <numerusform>이 중 코드 %n개가 %1에 있는 같은 이름의 파일을 덮어씁니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace Them</source>
        <translation>덮어쓰기</translation>
    </message>
    <message>
        <source>Skip Them</source>
        <translation>건너뛰기</translation>
    </message>
    <message>
        <source>QVR Code will be displayed here...</source>
        <translation>QVR 코드가 여기에 표시됩니다...</translation>
    </message>
    <message>
        <source>New Morvane Code will be displayed here...</source>
        <translation>새 Morvane 코드가 여기에 표시됩니다...</translation>
    </message>
    <message>
        <source>The file you provided is not a valid QVR file!!</source>
        <translation>선택한 파일은 유효한 QVR 파일이 아닙니다!</translation>
    </message>
    <message>
        <source>Select a file to load</source>
        <translation>불러올 파일 선택</translation>
    </message>
</context>
<context>
    <name>StepMessage</name>
    <message>
        <source>Loaded %1.</source>
        <translation>%1 파일을 불러왔습니다.</translation>
    </message>
    <message>
        <source>Loaded the pasted code.</source>
        <translation>붙여넣은 코드를 불러왔습니다.</translation>
    </message>
    <message>
        <source>%1 is not a QVR code: it does not begin with 106 or 107.</source>
        <translation>%1 파일은 QVR 코드가 아닙니다: 106 또는 107로 시작하지 않습니다.</translation>
    </message>
    <message>
        <source>%1 is not a QVR code: its header is incomplete or one of its segments is empty.</source>
        <translation>%1 파일은 QVR 코드가 아닙니다: 헤더가 불완전하거나 비어 있는 세그먼트가 있습니다.</translation>
    </message>
    <message>
        <source>The pasted text is not a QVR code: it does not begin with 106 or 107.</source>
        <translation>붙여넣은 텍스트는 QVR 코드가 아닙니다: 106 또는 107로 시작하지 않습니다.</translation>
    </message>
    <message>
        <source>The pasted text is not a QVR code: its header is incomplete or one of its segments is empty.</source>
        <translation>붙여넣은 텍스트는 QVR 코드가 아닙니다: 헤더가 불완전하거나 비어 있는 세그먼트가 있습니다.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>%1 파일을 읽을 수 없습니다: %2.</translation>
    </message>
    <message>
        <source>%1 holds %2; codes of up to %3 can be converted here.</source>
        <translation>%1 파일의 크기는 %2입니다. 여기서는 %3까지의 코드만 변환할 수 있습니다.</translation>
    </message>
    <message>
        <source>Converted: %1.</source>
        <translation>변환 완료 (%1).</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 파일을 저장했습니다.</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2.</source>
        <translation>%1 파일을 저장할 수 없습니다: %2.</translation>
    </message>
    <message>
        <source>Morvane code copied.</source>
        <translation>Morvane 코드를 복사했습니다.</translation>
    </message>
    <message>
        <source>The code could not be copied (%1): select it in the lower box and copy it.</source>
        <translation>코드를 복사할 수 없습니다(%1). 아래 칸에서 코드를 선택해 복사하세요.</translation>
    </message>
    <message>
        <source>The clipboard holds no text to paste.</source>
        <translation>클립보드에 붙여넣을 텍스트가 없습니다.</translation>
    </message>
    <message>
        <source>This browser does not let the page read the clipboard: press Ctrl+V, or on a phone long-press the box above the convert button and choose Paste.</source>
        <translation>이 브라우저에서는 페이지가 클립보드를 읽을 수 없습니다. Ctrl+V를 누르거나, 휴대폰에서는 변환 버튼 위의 입력란을 길게 누른 뒤 ‘붙여넣기’를 선택하세요.</translation>
    </message>
    <message>
        <source>Only a file can be dropped here; to load a code as text, paste it.</source>
        <translation>여기에는 파일만 끌어다 놓을 수 있습니다. 코드를 텍스트로 불러오려면 붙여넣으세요.</translation>
    </message>
    <message>
        <source>Loaded the shared code.</source>
        <translation>공유된 코드를 불러왔습니다.</translation>
    </message>
    <message>
        <source>Loaded the QVR code found in the shared text.</source>
        <translation>공유된 텍스트에서 찾은 QVR 코드를 불러왔습니다.</translation>
    </message>
    <message>
        <source>The shared text is not a QVR code: it does not begin with 106 or 107.</source>
        <translation>공유된 텍스트는 QVR 코드가 아닙니다: 106 또는 107로 시작하지 않습니다.</translation>
    </message>
    <message>
        <source>The shared text is not a QVR code: its header is incomplete or one of its segments is empty.</source>
        <translation>공유된 텍스트는 QVR 코드가 아닙니다: 헤더가 불완전하거나 비어 있는 세그먼트가 있습니다.</translation>
    </message>
    <message>
        <source>Morvane code shared.</source>
        <translation>Morvane 코드를 공유했습니다.</translation>
    </message>
    <message>
        <source>The code could not be shared (%1): copy it instead.</source>
        <translation>코드를 공유할 수 없습니다(%1). 대신 복사하세요.</translation>
    </message>
    <message>
        <source>converted: %1</source>
        <translation>변환됨 (%1)</translation>
    </message>
    <message>
        <source>converted into %2, since another code has the same name: %1</source>
        <translation>같은 이름의 코드가 있어 다른 이름으로 변환됨: %2 (%1)</translation>
    </message>
    <message>
        <source>not a QVR code: it does not begin with 106 or 107</source>
        <translation>QVR 코드가 아님: 106 또는 107로 시작하지 않음</translation>
    </message>
    <message>
        <source>not a QVR code: its header is incomplete or one of its segments is empty</source>
        <translation>QVR 코드가 아님: 헤더가 불완전하거나 비어 있는 세그먼트가 있음</translation>
    </message>
    <message>
        <source>could not be read: %1</source>
        <translation>읽을 수 없음: %1</translation>
    </message>
    <message>
        <source>holds %1; codes of up to %2 can be converted here</source>
        <translation>크기 %1: 여기서는 %2까지의 코드만 변환할 수 있음</translation>
    </message>
    <message>
        <source>could not be written: %1</source>
        <translation>쓸 수 없음: %1</translation>
    </message>
    <message>
        <source>not converted: a file of its name was there already, and stays as it was</source>
        <translation>변환 안 됨: 같은 이름의 파일이 이미 있어 그대로 둠</translation>
    </message>
    <message>
        <source>not converted: the batch was stopped before it</source>
        <translation>변환 안 됨: 이 코드 전에 일괄 변환이 중지됨</translation>
    </message>
    <message numerus="yes">
        <source>Converted %1 of %n codes.</source>
        <translation>
            <numerusform>코드 %n개 중 %1개를 변환했습니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stopped: converted %1 of %n codes; every file written before is whole.</source>
        <translation>
            <numerusform>중지됨: 코드 %n개 중 %1개를 변환했습니다. 그전에 저장된 파일은 모두 온전합니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>There are no .txt files to convert here.</source>
        <translation>여기에는 변환할 .txt 파일이 없습니다.</translation>
    </message>
</context>
</TS>
