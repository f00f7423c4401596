<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ru" sourcelanguage="zh_CN">
<context>
    <name>Index</name>
    <message>
        <location filename="../../mainwindow/IndexData.cpp" />
        <source>文件保存</source>
        <translation>Сохранить файл</translation>
    </message>
    <message>
        <location filename="../../mainwindow/IndexData.cpp" />
        <source>文件打开</source>
        <translation>Открыть файл</translation>
    </message>
</context>
<context>
    <name>PrintPreview</name>
    <message>
        <location filename="../../report/PrintPreview.cpp" />
        <source>成功</source>
        <translation>Успешно</translation>
    </message>
    <message>
        <location filename="../../report/PrintPreview.cpp" />
        <source>失败</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <location filename="../../report/PrintPreview.cpp" />
        <source>保存失败</source>
        <translation>Не удалось сохранить</translation>
    </message>
    <message>
        <location filename="../../report/PrintPreview.cpp" />
        <source>保存成功</source>
        <translation>Сохранено</translation>
    </message>
</context>
</TS>
