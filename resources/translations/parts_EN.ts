<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>Index</name>
    <message>
        <location filename="../../mainwindow/IndexData.cpp" />
        <source>文件保存</source>
        <translation>Save file</translation>
    </message>
    <message>
        <location filename="../../mainwindow/IndexData.cpp" />
        <source>文件打开</source>
        <translation>Open file</translation>
    </message>
</context>
<context>
    <name>PrintPreview</name>
    <message>
        <location filename="../../report/PrintPreview.cpp" />
        <source>成功</source>
        <translation>Success</translation>
    </message>
    <message>
        <location filename="../../report/PrintPreview.cpp" />
        <source>失败</source>
        <translation>Failed</translation>
    </message>
    <message>
        <location filename="../../report/PrintPreview.cpp" />
        <source>保存失败</source>
        <translation>Saving failed</translation>
    </message>
    <message>
        <location filename="../../report/PrintPreview.cpp" />
        <source>保存成功</source>
        <translation>Saved</translation>
    </message>
</context>
</TS>
