<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>QVRToMorvane
Version: 0.1
The QVRtoMorvane project
Free software, MIT licence</source>
        <translation>QVRToMorvane
バージョン：0.1
QVRtoMorvane プロジェクト
フリーソフトウェア
MIT ライセンス</translation>
    </message>
</context>
<context>
    <name>BatchDialog</name>
    <message>
        <source>waiting</source>
        <translation>待機中</translation>
    </message>
    <message numerus="yes">
        <source>Converting %n code(s) into %1</source>
        <translation>
            <numerusform>%n個のコードを変換して %1 に保存しています</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>フォルダーを開く</translation>
    </message>
    <message>
        <source>Convert Several Codes</source>
        <translation>コードを一括変換</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>コード</translation>
    </message>
    <message>
        <source>What became of it</source>
        <translation>結果</translation>
    </message>
</context>
<context>
    <name>CodeSession</name>
    <message>
        <source>plain</source>
        <translation>装飾なし</translation>
    </message>
    <message>
        <source>underlined</source>
        <translation>下線</translation>
    </message>
    <message>
        <source>dashed underline</source>
        <translation>破線の下線</translation>
    </message>
    <message>
        <source>struck through</source>
        <translation>取り消し線</translation>
    </message>
    <message>
        <source>Every segment was copied as it was.</source>
        <translation>すべてのセグメントがそのままコピーされました。</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>…ほか%n個</numerusform>
        </translation>
    </message>
    <message>
        <source>#%1 stands beyond the part of the code shown here.</source>
        <translation>#%1 は、ここに表示されているコードの範囲外にあります。</translation>
    </message>
    <message>
        <source>#%1 was dropped: nothing of it is in the Morvane code.</source>
        <translation>#%1 は削除されました。Morvaneコードには何も残っていません。</translation>
    </message>
    <message>
        <source>#%1 stands beyond the part of the Morvane code shown here.</source>
        <translation>#%1 は、ここに表示されているMorvaneコードの範囲外にあります。</translation>
    </message>
    <message>
        <source>(clipboard)</source>
        <translation>（クリップボード）</translation>
    </message>
    <message>
        <source>(shared)</source>
        <translation>（共有）</translation>
    </message>
</context>
<context>
    <name>CodeText</name>
    <message>
        <source>Showing the first %1 KB of %2 bytes; Save and Copy give the whole code.</source>
        <translation>%2バイトのうち最初の%1 KBを表示しています。保存やコピーではコード全体が使われます。</translation>
    </message>
</context>
<context>
    <name>ConversionDetails</name>
    <message>
        <source>Conversion Details</source>
        <translation>変換の詳細</translation>
    </message>
    <message>
        <source>&amp;QVR code</source>
        <translation>QVRコード(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Morvane code</source>
        <translation>Morvaneコード(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Segments not copied (select one to find it in both codes)</source>
        <translation>コピーされなかったセグメント(&amp;S)（選ぶと両方のコードでその場所を表示）</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Segment</source>
        <translation>セグメント</translation>
    </message>
    <message>
        <source>Fate</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>理由</translation>
    </message>
</context>
<context>
    <name>ConversionReport</name>
    <message>
        <source>copied</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>変更</translation>
    </message>
    <message>
        <source>renumbered</source>
        <translation>番号変更</translation>
    </message>
    <message>
        <source>dropped</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>the last value is cut</source>
        <translation>末尾の値を1つ切り捨て</translation>
    </message>
    <message>
        <source>the last two values are cut</source>
        <translation>末尾の値を2つ切り捨て</translation>
    </message>
    <message>
        <source>the last three values are cut</source>
        <translation>末尾の値を3つ切り捨て</translation>
    </message>
    <message>
        <source>the last four values are cut</source>
        <translation>末尾の値を4つ切り捨て</translation>
    </message>
    <message>
        <source>the last two characters are cut</source>
        <translation>末尾の2文字を切り捨て</translation>
    </message>
    <message>
        <source>nothing is left once %1 loses its last two characters</source>
        <translation>%1 は末尾の2文字を切り捨てると何も残らない</translation>
    </message>
    <message>
        <source>the last six characters are cut</source>
        <translation>末尾の6文字を切り捨て</translation>
    </message>
    <message>
        <source>nothing is left once %1 loses its last six characters</source>
        <translation>%1 は末尾の6文字を切り捨てると何も残らない</translation>
    </message>
    <message>
        <source>%1, value 11 becomes 1</source>
        <translation>%1、値11を1に変更</translation>
    </message>
    <message>
        <source>%1, and a value 1 is added</source>
        <translation>%1、さらに値1を追加</translation>
    </message>
    <message>
        <source>%1: slot %2 stays %3, %4</source>
        <translation>%1：スロット%2は%3のまま、%4</translation>
    </message>
    <message>
        <source>%1: slot %2 becomes %3, %4</source>
        <translation>%1：スロット%2を%3に、%4</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1: value %2 becomes %3 and value %4 becomes %5</source>
        <translation>%1：値%2を%3に、値%4を%5に変更</translation>
    </message>
    <message>
        <source>Morvane takes no &quot;%1&quot; segments</source>
        <translation>Morvaneは「%1」セグメントに非対応</translation>
    </message>
    <message>
        <source>all %1 %2 slots are taken</source>
        <translation>%2のスロット%1個がすべて使用済み</translation>
    </message>
    <message>
        <source>a %1 segment needs at least %2 values</source>
        <translation>%1セグメントには値が%2個以上必要</translation>
    </message>
    <message>
        <source>an %1 segment needs at least %2 values</source>
        <translation>%1セグメントには値が%2個以上必要</translation>
    </message>
    <message>
        <source>value 0 has no slot number</source>
        <translation>値0にスロット番号がない</translation>
    </message>
    <message>
        <source>the last value kept, &quot;%1&quot;, is not a number</source>
        <translation>残す最後の値「%1」が数値ではない</translation>
    </message>
    <message>
        <source>the lead number &quot;%1&quot; is not a number</source>
        <translation>先頭の番号「%1」が数値ではない</translation>
    </message>
    <message>
        <source>the last value kept, %1, is above %2</source>
        <translation>残す最後の値%1が%2を超えている</translation>
    </message>
    <message>
        <source>the lead number %1 is above %2</source>
        <translation>先頭の番号%1が%2を超えている</translation>
    </message>
    <message numerus="yes">
        <source>%n segments: %1 copied, %2 changed, %3 renumbered, %4 dropped</source>
        <translation>
            <numerusform>%n個のセグメント：コピー %1、変更 %2、番号変更 %3、削除 %4</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Step 1:</source>
        <translation>手順1：</translation>
    </message>
    <message>
        <source>Step 2:</source>
        <translation>手順2：</translation>
    </message>
    <message>
        <source>Step 3:</source>
        <translation>手順3：</translation>
    </message>
    <message>
        <source>Step 4:</source>
        <translation>手順4：</translation>
    </message>
    <message>
        <source>Click the &quot;LOAD QVR FILE&quot; button.</source>
        <translation>「QVRファイルを読み込む」
ボタンをクリックします。</translation>
    </message>
    <message>
        <source>Select a qvr code .txt file to load into the
program and load it in.</source>
        <translation>読み込みたいQVRコードの
.txtファイルを選んで開きます。</translation>
    </message>
    <message>
        <source>If the loaded file is valid, click on the
&quot;CONVERT QVR TO MORVANE&quot; button. If
the file is invalid, try to select a
different file that is valid.</source>
        <translation>ファイルが有効なら、
「QVRをMorvaneに変換」を
クリックします。無効なら、
有効な別のファイルを選びます。</translation>
    </message>
    <message>
        <source>Click on the &quot;SAVE MORVANE CODE
TO COMPUTER&quot; button and save as
a new .txt file, or highlight the new
displayed morvane code and copy-paste
it into the morvane import screen.</source>
        <translation>「Morvaneコードを保存」を
クリックして.txtファイルに保存
します。または、表示された
コードをコピーしてMorvaneの
インポート画面に貼り付けます。</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Converts a character code for the QVR variant of the dress-up program into a code that Morvane imports. Everything happens in this page: nothing is sent anywhere.</source>
        <translation>着せ替えプログラムのQVR版用のキャラクターコードを、Morvaneにインポートできるコードに変換します。処理はすべてこのページの中で行われ、どこにも送信されません。</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>言語：</translation>
    </message>
    <message>
        <source>PASTE QVR CODE</source>
        <translation>QVRコードを貼り付け</translation>
    </message>
    <message>
        <source>COPY MORVANE CODE</source>
        <translation>Morvaneコードをコピー</translation>
    </message>
    <message>
        <source>SHARE MORVANE CODE</source>
        <translation>Morvaneコードを共有</translation>
    </message>
    <message>
        <source>QVR code</source>
        <translation>QVRコード</translation>
    </message>
    <message>
        <source>Morvane code</source>
        <translation>Morvaneコード</translation>
    </message>
    <message>
        <source>Segments not copied</source>
        <translation>コピーされなかったセグメント</translation>
    </message>
    <message>
        <source>Several codes at once</source>
        <translation>複数のコードを一括変換</translation>
    </message>
    <message>
        <source>Converts a handful of code files, or a whole folder, into one zip; the code above stays as it is.</source>
        <translation>いくつかのコードファイル、またはフォルダー全体を変換して、1つのzipにまとめます。上のコードはそのまま残ります。</translation>
    </message>
    <message>
        <source>CONVERT SEVERAL CODES</source>
        <translation>コードを一括変換</translation>
    </message>
    <message>
        <source>CONVERT A FOLDER</source>
        <translation>フォルダーを変換</translation>
    </message>
    <message>
        <source>SAVE ALL</source>
        <translation>すべて保存</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Click the &quot;LOAD QVR FILE&quot; button.</source>
        <translation>「QVRファイルを読み込む」ボタンをクリックします。</translation>
    </message>
    <message>
        <source>Select a qvr code .txt file to load into the program and load it in.</source>
        <translation>読み込みたいQVRコードの.txtファイルを選んで開きます。</translation>
    </message>
    <message>
        <source>(You may also drop the file on this page, or paste the code: &quot;PASTE QVR CODE&quot;, Ctrl+V anywhere, or on a phone a long press in the box above the convert button, then Paste. Once the page is installed, a phone&apos;s Share in a chat offers it too: the code in a shared message is taken, whatever words are around it.)</source>
        <translation>（このページにファイルをドロップしたり、コードを貼り付けたりすることもできます。「QVRコードを貼り付け」ボタン、どこでもCtrl+V、またはスマートフォンなら変換ボタンの上の欄を長押しして「貼り付け」を選びます。ページをインストールすると、チャットでスマートフォンの「共有」からもこのページを選べます。共有されたメッセージの中のコードは、前後にどんな文章があっても読み込まれます。）</translation>
    </message>
    <message>
        <source>If the loaded file is valid, click on the &quot;CONVERT QVR TO MORVANE&quot; button. If the file is invalid, try to select a different file that is valid.</source>
        <translation>読み込んだファイルが有効なら、「QVRをMorvaneに変換」ボタンをクリックします。無効なら、有効な別のファイルを選んでください。</translation>
    </message>
    <message>
        <source>Click on the &quot;SAVE MORVANE CODE TO COMPUTER&quot; button and save as a new .txt file, or copy the new displayed morvane code and paste it into the morvane import screen (on a phone, &quot;SHARE MORVANE CODE&quot; sends it straight back into a chat).</source>
        <translation>「Morvaneコードを保存」ボタンをクリックして新しい.txtファイルとして保存するか、表示された新しいMorvaneコードをコピーしてMorvaneのインポート画面に貼り付けます（スマートフォンでは「Morvaneコードを共有」でチャットにそのまま送れます）。</translation>
    </message>
    <message>
        <source>Codes converted</source>
        <translation>変換済みのコード</translation>
    </message>
    <message>
        <source>What became of each code</source>
        <translation>各コードの結果</translation>
    </message>
    <message>
        <source>This browser could not start the converter: try another browser.</source>
        <translation>このブラウザーでは変換機能を起動できませんでした。別のブラウザーをお試しください。</translation>
    </message>
    <message>
        <source>The page failed and must be reloaded to convert again.</source>
        <translation>ページでエラーが発生しました。もう一度変換するには、ページを再読み込みしてください。</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>待機中</translation>
    </message>
    <message>
        <source>the browser could not read it</source>
        <translation>ブラウザーで読み取れませんでした</translation>
    </message>
    <message>
        <source>the browser refused</source>
        <translation>ブラウザーに拒否されました</translation>
    </message>
</context>
<context>
    <name>QVRtoMorvane</name>
    <message>
        <source>LOAD QVR FILE</source>
        <translation>QVRファイルを読み込む</translation>
    </message>
    <message>
        <source>Selected File:</source>
        <translation>選択したファイル：</translation>
    </message>
    <message>
        <source>CONVERT QVR TO MORVANE</source>
        <translation>QVRをMorvaneに変換</translation>
    </message>
    <message>
        <source>SAVE MORVANE CODE TO COMPUTER</source>
        <translation>Morvaneコードを保存</translation>
    </message>
    <message>
        <source>CLEAR CURRENT CODES</source>
        <translation>コードをクリア</translation>
    </message>
    <message>
        <source>Conversion Details</source>
        <translation>変換の詳細</translation>
    </message>
    <message>
        <source>QVRtoMorvane</source>
        <translation>QVRtoMorvane</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>Selected File: </source>
        <translation>選択したファイル： </translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Paste QVR Code</source>
        <translation>QVRコードを貼り付け</translation>
    </message>
    <message>
        <source>Ctrl+V</source>
        <translation>Ctrl+V</translation>
    </message>
    <message>
        <source>Convert Several Codes...</source>
        <translation>コードを一括変換...</translation>
    </message>
    <message>
        <source>Copy Morvane Code</source>
        <translation>Morvaneコードをコピー</translation>
    </message>
    <message>
        <source>Ctrl+Shift+C</source>
        <translation>Ctrl+Shift+C</translation>
    </message>
    <message>
        <source>Above: %1</source>
        <translation>上：%1</translation>
    </message>
    <message>
        <source>Below: %1</source>
        <translation>下：%1</translation>
    </message>
    <message>
        <source>Save Code to File</source>
        <translation>コードをファイルに保存</translation>
    </message>
    <message>
        <source>The code could not be saved to &quot;%1&quot;:
%2</source>
        <translation>コードを「%1」に保存できませんでした：
%2</translation>
    </message>
    <message>
        <source>Select the codes to convert</source>
        <translation>変換するコードを選択</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>テキストファイル (*.txt)</translation>
    </message>
    <message>
        <source>Convert Several Codes</source>
        <translation>コードを一括変換</translation>
    </message>
    <message>
        <source>Choose a folder for the Morvane codes</source>
        <translation>Morvaneコードの保存先フォルダーを選択</translation>
    </message>
    <message numerus="yes">
        <source>%n of these codes would replace a file of the same name in %1.</source>
        <translation>
            <numerusform>このうち%n個のコードは、%1 にある同じ名前のファイルを上書きします。</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace Them</source>
        <translation>上書きする</translation>
    </message>
    <message>
        <source>Skip Them</source>
        <translation>スキップする</translation>
    </message>
    <message>
        <source>QVR Code will be displayed here...</source>
        <translation>ここにQVRコードが表示されます…</translation>
    </message>
    <message>
        <source>New Morvane Code will be displayed here...</source>
        <translation>ここに新しいMorvaneコードが表示されます…</translation>
    </message>
    <message>
        <source>The file you provided is not a valid QVR file!!</source>
        <translation>指定されたファイルは有効なQVRファイルではありません！</translation>
    </message>
    <message>
        <source>Select a file to load</source>
        <translation>読み込むファイルを選択</translation>
    </message>
</context>
<context>
    <name>StepMessage</name>
    <message>
        <source>Loaded %1.</source>
        <translation>%1 を読み込みました。</translation>
    </message>
    <message>
        <source>Loaded the pasted code.</source>
        <translation>貼り付けたコードを読み込みました。</translation>
    </message>
    <message>
        <source>%1 is not a QVR code: it does not begin with 106 or 107.</source>
        <translation>%1 はQVRコードではありません：106または107で始まっていません。</translation>
    </message>
    <message>
        <source>%1 is not a QVR code: its header is incomplete or one of its segments is empty.</source>
        <translation>%1 はQVRコードではありません：ヘッダーが不完全か、空のセグメントがあります。</translation>
    </message>
    <message>
        <source>The pasted text is not a QVR code: it does not begin with 106 or 107.</source>
        <translation>貼り付けたテキストはQVRコードではありません：106または107で始まっていません。</translation>
    </message>
    <message>
        <source>The pasted text is not a QVR code: its header is incomplete or one of its segments is empty.</source>
        <translation>貼り付けたテキストはQVRコードではありません：ヘッダーが不完全か、空のセグメントがあります。</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>%1 を読み込めませんでした：%2。</translation>
    </message>
    <message>
        <source>%1 holds %2; codes of up to %3 can be converted here.</source>
        <translation>%1 のサイズは%2です。ここで変換できるのは%3までのコードです。</translation>
    </message>
    <message>
        <source>Converted: %1.</source>
        <translation>変換しました（%1）。</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 を保存しました。</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2.</source>
        <translation>%1 を保存できませんでした：%2。</translation>
    </message>
    <message>
        <source>Morvane code copied.</source>
        <translation>Morvaneコードをコピーしました。</translation>
    </message>
    <message>
        <source>The code could not be copied (%1): select it in the lower box and copy it.</source>
        <translation>コードをコピーできませんでした（%1）。下の欄でコードを選択してコピーしてください。</translation>
    </message>
    <message>
        <source>The clipboard holds no text to paste.</source>
        <translation>クリップボードに貼り付けられるテキストがありません。</translation>
    </message>
    <message>
        <source>This browser does not let the page read the clipboard: press Ctrl+V, or on a phone long-press the box above the convert button and choose Paste.</source>
        <translation>このブラウザーでは、ページからクリップボードを読み取れません。Ctrl+Vを押すか、スマートフォンでは変換ボタンの上の欄を長押しして「貼り付け」を選んでください。</translation>
    </message>
    <message>
        <source>Only a file can be dropped here; to load a code as text, paste it.</source>
        <translation>ここにドロップできるのはファイルだけです。テキストのコードを読み込むには、貼り付けてください。</translation>
    </message>
    <message>
        <source>Loaded the shared code.</source>
        <translation>共有されたコードを読み込みました。</translation>
    </message>
    <message>
        <source>Loaded the QVR code found in the shared text.</source>
        <translation>共有されたテキストの中にあるQVRコードを読み込みました。</translation>
    </message>
    <message>
        <source>The shared text is not a QVR code: it does not begin with 106 or 107.</source>
        <translation>共有されたテキストはQVRコードではありません：106または107で始まっていません。</translation>
    </message>
    <message>
        <source>The shared text is not a QVR code: its header is incomplete or one of its segments is empty.</source>
        <translation>共有されたテキストはQVRコードではありません：ヘッダーが不完全か、空のセグメントがあります。</translation>
    </message>
    <message>
        <source>Morvane code shared.</source>
        <translation>Morvaneコードを共有しました。</translation>
    </message>
    <message>
        <source>The code could not be shared (%1): copy it instead.</source>
        <translation>コードを共有できませんでした（%1）。代わりにコピーしてください。</translation>
    </message>
    <message>
        <source>converted: %1</source>
        <translation>変換済み（%1）</translation>
    </message>
    <message>
        <source>converted into %2, since another code has the same name: %1</source>
        <translation>同じ名前のコードが他にあるため、%2 として変換済み（%1）</translation>
    </message>
    <message>
        <source>not a QVR code: it does not begin with 106 or 107</source>
        <translation>QVRコードではありません：106または107で始まっていません</translation>
    </message>
    <message>
        <source>not a QVR code: its header is incomplete or one of its segments is empty</source>
        <translation>QVRコードではありません：ヘッダーが不完全か、空のセグメントがあります</translation>
    </message>
    <message>
        <source>could not be read: %1</source>
        <translation>読み込めません：%1</translation>
    </message>
    <message>
        <source>holds %1; codes of up to %2 can be converted here</source>
        <translation>サイズが%1です。ここで変換できるのは%2までのコードです</translation>
    </message>
    <message>
        <source>could not be written: %1</source>
        <translation>書き込めません：%1</translation>
    </message>
    <message>
        <source>not converted: a file of its name was there already, and stays as it was</source>
        <translation>未変換：同じ名前のファイルが既にあるため、そのまま残しました</translation>
    </message>
    <message>
        <source>not converted: the batch was stopped before it</source>
        <translation>未変換：ここに来る前に一括変換が停止されました</translation>
    </message>
    <message numerus="yes">
        <source>Converted %1 of %n codes.</source>
        <translation>
            <numerusform>%n個のうち%1個のコードを変換しました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stopped: converted %1 of %n codes; every file written before is whole.</source>
        <translation>
            <numerusform>停止しました：%n個のうち%1個のコードを変換しました。それまでに書き込んだファイルはすべて完全です。</numerusform>
        </translation>
    </message>
    <message>
        <source>There are no .txt files to convert here.</source>
        <translation>ここには変換できる.txtファイルがありません。</translation>
    </message>
</context>
</TS>
