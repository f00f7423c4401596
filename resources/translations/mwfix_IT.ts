<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="it" sourcelanguage="zh_CN">
<context>
    <name>Index</name>
    <message>
        <location filename="../../mainwindow/IndexCase.cpp" />
        <source>生日“%1”不是有效的日期，请按“年-月-日”填写，例如 2020-05-17。未保存。</source>
        <translation>La data di nascita “%1” non è una data valida. Inserirla come anno-mese-giorno, ad es. 2020-05-17. Nulla è stato salvato.</translation>
    </message>
    <message>
        <location filename="../../mainwindow/IndexCase.cpp" />
        <source>生日“%1”晚于检测时间 %2，请检查后再保存。未保存。</source>
        <translation>La data di nascita “%1” è successiva all'orario dell'esame %2. Verificarla e salvare di nuovo. Nulla è stato salvato.</translation>
    </message>
</context>
</TS>
