<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="zh_CN">
<context>
    <name>Index</name>
    <message>
        <source>备份成功</source>
        <translation>Yedekleme tamamlandı</translation>
    </message>
    <message>
        <source>恢复成功</source>
        <translation>Geri yükleme tamamlandı</translation>
    </message>
    <message>
        <source>备份失败，数据未复制</source>
        <translation>Yedekleme başarısız: veriler kopyalanmadı</translation>
    </message>
    <message>
        <source>所选文件不是可用的数据库备份，原数据库未改变</source>
        <translation>Seçilen dosya kullanılabilir bir veritabanı yedeği değil. Mevcut veritabanı değiştirilmedi.</translation>
    </message>
    <message>
        <source>恢复失败，原数据库未改变</source>
        <translation>Geri yükleme başarısız. Mevcut veritabanı değiştirilmedi.</translation>
    </message>
</context>
</TS>
