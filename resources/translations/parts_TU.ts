<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="tr" sourcelanguage="zh_CN">
<context>
    <name>Index</name>
    <message>
        <location filename="../../mainwindow/IndexData.cpp" />
        <source>文件保存</source>
        <translation>Dosyayı kaydet</translation>
    </message>
    <message>
        <location filename="../../mainwindow/IndexData.cpp" />
        <source>文件打开</source>
        <translation>Dosya aç</translation>
    </message>
</context>
<context>
    <name>PrintPreview</name>
    <message>
        <location filename="../../report/PrintPreview.cpp" />
        <source>成功</source>
        <translation>Başarılı</translation>
    </message>
    <message>
        <location filename="../../report/PrintPreview.cpp" />
        <source>失败</source>
        <translation>Başarısız</translation>
    </message>
    <message>
        <location filename="../../report/PrintPreview.cpp" />
        <source>保存失败</source>
        <translation>Kaydetme başarısız</translation>
    </message>
    <message>
        <location filename="../../report/PrintPreview.cpp" />
        <source>保存成功</source>
        <translation>Kaydedildi</translation>
    </message>
</context>
</TS>
