<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="es" sourcelanguage="zh_CN">
<context>
    <name>Index</name>
    <message>
        <location filename="../../mainwindow/IndexData.cpp" />
        <source>文件保存</source>
        <translation>Guardar archivo</translation>
    </message>
    <message>
        <location filename="../../mainwindow/IndexData.cpp" />
        <source>文件打开</source>
        <translation>Abrir archivo</translation>
    </message>
</context>
<context>
    <name>PrintPreview</name>
    <message>
        <location filename="../../report/PrintPreview.cpp" />
        <source>成功</source>
        <translation>Éxito</translation>
    </message>
    <message>
        <location filename="../../report/PrintPreview.cpp" />
        <source>失败</source>
        <translation>Error</translation>
    </message>
    <message>
        <location filename="../../report/PrintPreview.cpp" />
        <source>保存失败</source>
        <translation>Error al guardar</translation>
    </message>
    <message>
        <location filename="../../report/PrintPreview.cpp" />
        <source>保存成功</source>
        <translation>Guardado</translation>
    </message>
</context>
</TS>
