<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="pt" sourcelanguage="zh_CN">
<context>
    <name>Index</name>
    <message>
        <location filename="../../mainwindow/IndexData.cpp" />
        <source>文件保存</source>
        <translation>Salvar arquivo</translation>
    </message>
    <message>
        <location filename="../../mainwindow/IndexData.cpp" />
        <source>文件打开</source>
        <translation>Abrir arquivo</translation>
    </message>
</context>
<context>
    <name>PrintPreview</name>
    <message>
        <location filename="../../report/PrintPreview.cpp" />
        <source>成功</source>
        <translation>Sucesso</translation>
    </message>
    <message>
        <location filename="../../report/PrintPreview.cpp" />
        <source>失败</source>
        <translation>Falha</translation>
    </message>
    <message>
        <location filename="../../report/PrintPreview.cpp" />
        <source>保存失败</source>
        <translation>Falha ao salvar</translation>
    </message>
    <message>
        <location filename="../../report/PrintPreview.cpp" />
        <source>保存成功</source>
        <translation>Salvo</translation>
    </message>
</context>
</TS>
