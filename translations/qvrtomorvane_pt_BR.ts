<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>QVRToMorvane
Version: 0.1
The QVRtoMorvane project
Free software, MIT licence</source>
        <translation>QVRToMorvane
Versão: 0.1
O projeto QVRtoMorvane
Software livre, licença MIT</translation>
    </message>
</context>
<context>
    <name>BatchDialog</name>
    <message>
        <source>waiting</source>
        <translation>aguardando</translation>
    </message>
    <message numerus="yes">
        <source>Converting %n code(s) into %1</source>
        <translation>
            <numerusform>Convertendo %n código para %1</numerusform>
            <numerusform>Convertendo %n códigos para %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir pasta</translation>
    </message>
    <message>
        <source>Convert Several Codes</source>
        <translation>Converter vários códigos</translation>
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
        <translation>sublinhado</translation>
    </message>
    <message>
        <source>dashed underline</source>
        <translation>sublinhado tracejado</translation>
    </message>
    <message>
        <source>struck through</source>
        <translation>riscado</translation>
    </message>
    <message>
        <source>Every segment was copied as it was.</source>
        <translation>Todos os segmentos foram copiados sem mudanças.</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... e mais %n</numerusform>
            <numerusform>... e mais %n</numerusform>
        </translation>
    </message>
    <message>
        <source>#%1 stands beyond the part of the code shown here.</source>
        <translation>#%1 fica além da parte do código mostrada aqui.</translation>
    </message>
    <message>
        <source>#%1 was dropped: nothing of it is in the Morvane code.</source>
        <translation>#%1 foi descartado: nada dele ficou no código Morvane.</translation>
    </message>
    <message>
        <source>#%1 stands beyond the part of the Morvane code shown here.</source>
        <translation>#%1 fica além da parte do código Morvane mostrada aqui.</translation>
    </message>
    <message>
        <source>(clipboard)</source>
        <translation>(área de transferência)</translation>
    </message>
    <message>
        <source>(shared)</source>
        <translation>(compartilhado)</translation>
    </message>
</context>
<context>
    <name>CodeText</name>
    <message>
        <source>Showing the first %1 KB of %2 bytes; Save and Copy give the whole code.</source>
        <translation>Mostrando os primeiros %1 KB de %2 bytes; ao salvar ou copiar, você recebe o código inteiro.</translation>
    </message>
</context>
<context>
    <name>ConversionDetails</name>
    <message>
        <source>Conversion Details</source>
        <translation>Detalhes da conversão</translation>
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
        <translation>&amp;Segmentos não copiados (selecione um para encontrá-lo nos dois códigos)</translation>
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
        <translation>alterado</translation>
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
        <translation>o último valor é cortado</translation>
    </message>
    <message>
        <source>the last two values are cut</source>
        <translation>os dois últimos valores são cortados</translation>
    </message>
    <message>
        <source>the last three values are cut</source>
        <translation>os três últimos valores são cortados</translation>
    </message>
    <message>
        <source>the last four values are cut</source>
        <translation>os quatro últimos valores são cortados</translation>
    </message>
    <message>
        <source>the last two characters are cut</source>
        <translation>os dois últimos caracteres são cortados</translation>
    </message>
    <message>
        <source>nothing is left once %1 loses its last two characters</source>
        <translation>não sobra nada quando %1 perde os dois últimos caracteres</translation>
    </message>
    <message>
        <source>the last six characters are cut</source>
        <translation>os seis últimos caracteres são cortados</translation>
    </message>
    <message>
        <source>nothing is left once %1 loses its last six characters</source>
        <translation>não sobra nada quando %1 perde os seis últimos caracteres</translation>
    </message>
    <message>
        <source>%1, value 11 becomes 1</source>
        <translation>%1, o valor 11 vira 1</translation>
    </message>
    <message>
        <source>%1, and a value 1 is added</source>
        <translation>%1 e um valor 1 é adicionado</translation>
    </message>
    <message>
        <source>%1: slot %2 stays %3, %4</source>
        <translation>%1: o espaço %2 continua %3, %4</translation>
    </message>
    <message>
        <source>%1: slot %2 becomes %3, %4</source>
        <translation>%1: o espaço %2 vira %3, %4</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: value %2 becomes %3 and value %4 becomes %5</source>
        <translation>%1: o valor %2 vira %3 e o valor %4 vira %5</translation>
    </message>
    <message>
        <source>Morvane takes no &quot;%1&quot; segments</source>
        <translation>o Morvane não aceita segmentos “%1”</translation>
    </message>
    <message>
        <source>all %1 %2 slots are taken</source>
        <translation>os %1 espaços %2 já estão todos ocupados</translation>
    </message>
    <message>
        <source>a %1 segment needs at least %2 values</source>
        <translation>um segmento %1 precisa de pelo menos %2 valores</translation>
    </message>
    <message>
        <source>an %1 segment needs at least %2 values</source>
        <translation>um segmento %1 precisa de pelo menos %2 valores</translation>
    </message>
    <message>
        <source>value 0 has no slot number</source>
        <translation>o valor 0 não tem número de espaço</translation>
    </message>
    <message>
        <source>the last value kept, &quot;%1&quot;, is not a number</source>
        <translation>o último valor mantido, “%1”, não é um número</translation>
    </message>
    <message>
        <source>the lead number &quot;%1&quot; is not a number</source>
        <translation>o número inicial “%1” não é um número</translation>
    </message>
    <message>
        <source>the last value kept, %1, is above %2</source>
        <translation>o último valor mantido, %1, é maior que %2</translation>
    </message>
    <message>
        <source>the lead number %1 is above %2</source>
        <translation>o número inicial %1 é maior que %2</translation>
    </message>
    <message numerus="yes">
        <source>%n segments: %1 copied, %2 changed, %3 renumbered, %4 dropped</source>
        <translation>
            <numerusform>%n segmento: %1 copiado, %2 alterado, %3 renumerado, %4 descartado</numerusform>
            <numerusform>%n segmentos: %1 copiados, %2 alterados, %3 renumerados, %4 descartados</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Step 1:</source>
        <translation>Passo 1:</translation>
    </message>
    <message>
        <source>Step 2:</source>
        <translation>Passo 2:</translation>
    </message>
    <message>
        <source>Step 3:</source>
        <translation>Passo 3:</translation>
    </message>
    <message>
        <source>Step 4:</source>
        <translation>Passo 4:</translation>
    </message>
    <message>
        <source>Click the &quot;LOAD QVR FILE&quot; button.</source>
        <translation>Clique em “CARREGAR ARQUIVO QVR”.</translation>
    </message>
    <message>
        <source>Select a qvr code .txt file to load into the
program and load it in.</source>
        <translation>Selecione um arquivo .txt com um
código QVR para carregá-lo no programa.</translation>
    </message>
    <message>
        <source>If the loaded file is valid, click on the
&quot;CONVERT QVR TO MORVANE&quot; button. If
the file is invalid, try to select a
different file that is valid.</source>
        <translation>Se o arquivo carregado for válido, clique
em “CONVERTER QVR PARA MORVANE”.
Se for inválido, tente selecionar outro
arquivo que seja válido.</translation>
    </message>
    <message>
        <source>Click on the &quot;SAVE MORVANE CODE
TO COMPUTER&quot; button and save as
a new .txt file, or highlight the new
displayed morvane code and copy-paste
it into the morvane import screen.</source>
        <translation>Clique no botão
“SALVAR CÓDIGO MORVANE NO PC” e
salve como um novo arquivo .txt, ou
copie o novo código Morvane exibido
e cole na tela de importação do Morvane.</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Converts a character code for the QVR variant of the dress-up program into a code that Morvane imports. Everything happens in this page: nothing is sent anywhere.</source>
        <translation>Converte um código de personagem da variante QVR do jogo de vestir em um código que o Morvane importa. Tudo acontece nesta página: nada é enviado para lugar nenhum.</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>PASTE QVR CODE</source>
        <translation>COLAR CÓDIGO QVR</translation>
    </message>
    <message>
        <source>COPY MORVANE CODE</source>
        <translation>COPIAR CÓDIGO MORVANE</translation>
    </message>
    <message>
        <source>SHARE MORVANE CODE</source>
        <translation>COMPARTILHAR CÓDIGO MORVANE</translation>
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
        <translation>Segmentos não copiados</translation>
    </message>
    <message>
        <source>Several codes at once</source>
        <translation>Vários códigos de uma vez</translation>
    </message>
    <message>
        <source>Converts a handful of code files, or a whole folder, into one zip; the code above stays as it is.</source>
        <translation>Converte alguns arquivos de código, ou uma pasta inteira, em um único zip; o código acima continua como está.</translation>
    </message>
    <message>
        <source>CONVERT SEVERAL CODES</source>
        <translation>CONVERTER VÁRIOS CÓDIGOS</translation>
    </message>
    <message>
        <source>CONVERT A FOLDER</source>
        <translation>CONVERTER UMA PASTA</translation>
    </message>
    <message>
        <source>SAVE ALL</source>
        <translation>SALVAR TUDO</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>PARAR</translation>
    </message>
    <message>
        <source>Click the &quot;LOAD QVR FILE&quot; button.</source>
        <translation>Clique no botão “CARREGAR ARQUIVO QVR”.</translation>
    </message>
    <message>
        <source>Select a qvr code .txt file to load into the program and load it in.</source>
        <translation>Selecione um arquivo .txt com um código QVR para carregá-lo no programa.</translation>
    </message>
    <message>
        <source>(You may also drop the file on this page, or paste the code: &quot;PASTE QVR CODE&quot;, Ctrl+V anywhere, or on a phone a long press in the box above the convert button, then Paste. Once the page is installed, a phone&apos;s Share in a chat offers it too: the code in a shared message is taken, whatever words are around it.)</source>
        <translation>(Você também pode soltar o arquivo nesta página ou colar o código: “COLAR CÓDIGO QVR”, Ctrl+V em qualquer lugar ou, no celular, tocar e segurar a caixa acima do botão de converter e depois Colar. Com a página instalada, ela também aparece no Compartilhar de um chat no celular: o código da mensagem compartilhada é aproveitado, sejam quais forem as palavras em volta.)</translation>
    </message>
    <message>
        <source>If the loaded file is valid, click on the &quot;CONVERT QVR TO MORVANE&quot; button. If the file is invalid, try to select a different file that is valid.</source>
        <translation>Se o arquivo carregado for válido, clique no botão “CONVERTER QVR PARA MORVANE”. Se for inválido, tente selecionar outro arquivo que seja válido.</translation>
    </message>
    <message>
        <source>Click on the &quot;SAVE MORVANE CODE TO COMPUTER&quot; button and save as a new .txt file, or copy the new displayed morvane code and paste it into the morvane import screen (on a phone, &quot;SHARE MORVANE CODE&quot; sends it straight back into a chat).</source>
        <translation>Clique no botão “SALVAR CÓDIGO MORVANE NO PC” e salve como um novo arquivo .txt, ou copie o novo código Morvane exibido e cole na tela de importação do Morvane (no celular, “COMPARTILHAR CÓDIGO MORVANE” envia o código direto para um chat).</translation>
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
        <translation>Este navegador não conseguiu iniciar o conversor: tente outro navegador.</translation>
    </message>
    <message>
        <source>The page failed and must be reloaded to convert again.</source>
        <translation>A página falhou e precisa ser recarregada para converter de novo.</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>aguardando</translation>
    </message>
    <message>
        <source>the browser could not read it</source>
        <translation>o navegador não conseguiu lê-lo</translation>
    </message>
    <message>
        <source>the browser refused</source>
        <translation>o navegador recusou</translation>
    </message>
</context>
<context>
    <name>QVRtoMorvane</name>
    <message>
        <source>LOAD QVR FILE</source>
        <translation>CARREGAR ARQUIVO QVR</translation>
    </message>
    <message>
        <source>Selected File:</source>
        <translation>Arquivo selecionado:</translation>
    </message>
    <message>
        <source>CONVERT QVR TO MORVANE</source>
        <translation>CONVERTER QVR PARA MORVANE</translation>
    </message>
    <message>
        <source>SAVE MORVANE CODE TO COMPUTER</source>
        <translation>SALVAR CÓDIGO MORVANE NO PC</translation>
    </message>
    <message>
        <source>CLEAR CURRENT CODES</source>
        <translation>LIMPAR CÓDIGOS ATUAIS</translation>
    </message>
    <message>
        <source>Conversion Details</source>
        <translation>Detalhes da conversão</translation>
    </message>
    <message>
        <source>QVRtoMorvane</source>
        <translation>QVRtoMorvane</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>Selected File: </source>
        <translation>Arquivo selecionado: </translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>SAIR</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Paste QVR Code</source>
        <translation>Colar código QVR</translation>
    </message>
    <message>
        <source>Ctrl+V</source>
        <translation>Ctrl+V</translation>
    </message>
    <message>
        <source>Convert Several Codes...</source>
        <translation>Converter vários códigos...</translation>
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
        <translation>Acima: %1</translation>
    </message>
    <message>
        <source>Below: %1</source>
        <translation>Abaixo: %1</translation>
    </message>
    <message>
        <source>Save Code to File</source>
        <translation>Salvar código em arquivo</translation>
    </message>
    <message>
        <source>The code could not be saved to &quot;%1&quot;:
%2</source>
        <translation>Não foi possível salvar o código em “%1”:
%2</translation>
    </message>
    <message>
        <source>Select the codes to convert</source>
        <translation>Selecione os códigos para converter</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Arquivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>Convert Several Codes</source>
        <translation>Converter vários códigos</translation>
    </message>
    <message>
        <source>Choose a folder for the Morvane codes</source>
        <translation>Escolha uma pasta para os códigos Morvane</translation>
    </message>
    <message numerus="yes">
        <source>%n of these codes would replace a file of the same name in %1.</source>
        <translation>
            <numerusform>%n destes códigos substituiria um arquivo de mesmo nome em %1.</numerusform>
            <numerusform>%n destes códigos substituiriam um arquivo de mesmo nome em %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace Them</source>
        <translation>Substituir</translation>
    </message>
    <message>
        <source>Skip Them</source>
        <translation>Pular</translation>
    </message>
    <message>
        <source>QVR Code will be displayed here...</source>
        <translation>O código QVR aparecerá aqui...</translation>
    </message>
    <message>
        <source>New Morvane Code will be displayed here...</source>
        <translation>O novo código Morvane aparecerá aqui...</translation>
    </message>
    <message>
        <source>The file you provided is not a valid QVR file!!</source>
        <translation>O arquivo escolhido não é um arquivo QVR válido!</translation>
    </message>
    <message>
        <source>Select a file to load</source>
        <translation>Selecione um arquivo para carregar</translation>
    </message>
</context>
<context>
    <name>StepMessage</name>
    <message>
        <source>Loaded %1.</source>
        <translation>%1 carregado.</translation>
    </message>
    <message>
        <source>Loaded the pasted code.</source>
        <translation>O código colado foi carregado.</translation>
    </message>
    <message>
        <source>%1 is not a QVR code: it does not begin with 106 or 107.</source>
        <translation>%1 não é um código QVR: não começa com 106 nem com 107.</translation>
    </message>
    <message>
        <source>%1 is not a QVR code: its header is incomplete or one of its segments is empty.</source>
        <translation>%1 não é um código QVR: o cabeçalho está incompleto ou um dos segmentos está vazio.</translation>
    </message>
    <message>
        <source>The pasted text is not a QVR code: it does not begin with 106 or 107.</source>
        <translation>O texto colado não é um código QVR: não começa com 106 nem com 107.</translation>
    </message>
    <message>
        <source>The pasted text is not a QVR code: its header is incomplete or one of its segments is empty.</source>
        <translation>O texto colado não é um código QVR: o cabeçalho está incompleto ou um dos segmentos está vazio.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>Não foi possível ler %1: %2.</translation>
    </message>
    <message>
        <source>%1 holds %2; codes of up to %3 can be converted here.</source>
        <translation>%1 tem %2; aqui dá para converter códigos de até %3.</translation>
    </message>
    <message>
        <source>Converted: %1.</source>
        <translation>Convertido: %1.</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 salvo.</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2.</source>
        <translation>Não foi possível salvar %1: %2.</translation>
    </message>
    <message>
        <source>Morvane code copied.</source>
        <translation>Código Morvane copiado.</translation>
    </message>
    <message>
        <source>The code could not be copied (%1): select it in the lower box and copy it.</source>
        <translation>Não foi possível copiar o código (%1): selecione-o na caixa de baixo e copie.</translation>
    </message>
    <message>
        <source>The clipboard holds no text to paste.</source>
        <translation>A área de transferência não tem texto para colar.</translation>
    </message>
    <message>
        <source>This browser does not let the page read the clipboard: press Ctrl+V, or on a phone long-press the box above the convert button and choose Paste.</source>
        <translation>Este navegador não deixa a página ler a área de transferência: pressione Ctrl+V ou, no celular, toque e segure a caixa acima do botão de converter e escolha Colar.</translation>
    </message>
    <message>
        <source>Only a file can be dropped here; to load a code as text, paste it.</source>
        <translation>Aqui só dá para soltar um arquivo; para carregar um código como texto, cole-o.</translation>
    </message>
    <message>
        <source>Loaded the shared code.</source>
        <translation>O código compartilhado foi carregado.</translation>
    </message>
    <message>
        <source>Loaded the QVR code found in the shared text.</source>
        <translation>O código QVR encontrado no texto compartilhado foi carregado.</translation>
    </message>
    <message>
        <source>The shared text is not a QVR code: it does not begin with 106 or 107.</source>
        <translation>O texto compartilhado não é um código QVR: não começa com 106 nem com 107.</translation>
    </message>
    <message>
        <source>The shared text is not a QVR code: its header is incomplete or one of its segments is empty.</source>
        <translation>O texto compartilhado não é um código QVR: o cabeçalho está incompleto ou um dos segmentos está vazio.</translation>
    </message>
    <message>
        <source>Morvane code shared.</source>
        <translation>Código Morvane compartilhado.</translation>
    </message>
    <message>
        <source>The code could not be shared (%1): copy it instead.</source>
        <translation>Não foi possível compartilhar o código (%1): copie-o.</translation>
    </message>
    <message>
        <source>converted: %1</source>
        <translation>convertido: %1</translation>
    </message>
    <message>
        <source>converted into %2, since another code has the same name: %1</source>
        <translation>convertido como %2, pois outro código tem o mesmo nome: %1</translation>
    </message>
    <message>
        <source>not a QVR code: it does not begin with 106 or 107</source>
        <translation>não é um código QVR: não começa com 106 nem com 107</translation>
    </message>
    <message>
        <source>not a QVR code: its header is incomplete or one of its segments is empty</source>
        <translation>não é um código QVR: o cabeçalho está incompleto ou um dos segmentos está vazio</translation>
    </message>
    <message>
        <source>could not be read: %1</source>
        <translation>não foi possível ler: %1</translation>
    </message>
    <message>
        <source>holds %1; codes of up to %2 can be converted here</source>
        <translation>tem %1; aqui dá para converter códigos de até %2</translation>
    </message>
    <message>
        <source>could not be written: %1</source>
        <translation>não foi possível gravar: %1</translation>
    </message>
    <message>
        <source>not converted: a file of its name was there already, and stays as it was</source>
        <translation>não convertido: já havia um arquivo com esse nome, que continua como estava</translation>
    </message>
    <message>
        <source>not converted: the batch was stopped before it</source>
        <translation>não convertido: a conversão foi interrompida antes dele</translation>
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
            <numerusform>Interrompido: %1 de %n código convertido; todos os arquivos já gravados estão completos.</numerusform>
            <numerusform>Interrompido: %1 de %n códigos convertidos; todos os arquivos já gravados estão completos.</numerusform>
        </translation>
    </message>
    <message>
        <source>There are no .txt files to convert here.</source>
        <translation>Não há arquivos .txt para converter aqui.</translation>
    </message>
</context>
</TS>
