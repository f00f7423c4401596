<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="pt" sourcelanguage="zh_CN">
<context>
    <name>Index</name>
    <message>
        <location filename="../../mainwindow/IndexCase.cpp" />
        <source>生日“%1”不是有效的日期，请按“年-月-日”填写，例如 2020-05-17。未保存。</source>
        <translation>A data de nascimento “%1” não é uma data válida. Introduza-a como ano-mês-dia, p. ex. 2020-05-17. Nada foi guardado.</translation>
    </message>
    <message>
        <location filename="../../mainwindow/IndexCase.cpp" />
        <source>生日“%1”晚于检测时间 %2，请检查后再保存。未保存。</source>
        <translation>A data de nascimento “%1” é posterior à hora da análise %2. Verifique-a e guarde novamente. Nada foi guardado.</translation>
    </message>
</context>
</TS>
