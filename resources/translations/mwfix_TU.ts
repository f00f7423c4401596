<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="tr" sourcelanguage="zh_CN">
<context>
    <name>Index</name>
    <message>
        <location filename="../../mainwindow/IndexCase.cpp" />
        <source>生日“%1”不是有效的日期，请按“年-月-日”填写，例如 2020-05-17。未保存。</source>
        <translation>Doğum tarihi “%1” geçerli bir tarih değil. Lütfen yıl-ay-gün biçiminde girin, örn. 2020-05-17. Hiçbir şey kaydedilmedi.</translation>
    </message>
    <message>
        <location filename="../../mainwindow/IndexCase.cpp" />
        <source>生日“%1”晚于检测时间 %2，请检查后再保存。未保存。</source>
        <translation>Doğum tarihi “%1”, test zamanı %2 tarihinden sonra. Lütfen kontrol edip yeniden kaydedin. Hiçbir şey kaydedilmedi.</translation>
    </message>
</context>
</TS>
