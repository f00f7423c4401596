<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>T</name>
    <message>
        <source>生化分析仪质控报告单</source>
        <translation>Biyokimya Analizörü KK Raporu</translation>
    </message>
    <message>
        <source>质控品</source>
        <translation>KK materyali</translation>
    </message>
    <message>
        <source>质控批号</source>
        <translation>KK lot no.</translation>
    </message>
    <message>
        <source>科室</source>
        <translation>Bölüm</translation>
    </message>
    <message>
        <source>质控一</source>
        <translation>KK 1</translation>
    </message>
    <message>
        <source>质控二</source>
        <translation>KK 2</translation>
    </message>
    <message>
        <source>责任声明</source>
        <translation>Sorumluluk beyanı</translation>
    </message>
</context>
<context>
    <name>wgtQcReport</name>
    <message>
        <source>该结果无法读取，未生成报告</source>
        <translation>Bu sonuç okunamıyor; rapor oluşturulmadı.</translation>
    </message>
    <message>
        <source>文件无法写入，请检查路径或关闭正在使用该文件的程序：%1</source>
        <translation>Dosya yazılamıyor. Yolu kontrol edin veya dosyayı kullanan programı kapatın: %1</translation>
    </message>
    <message>
        <source>请勾选打印报告</source>
        <translation>Lütfen yazdırılacak raporları işaretleyin</translation>
    </message>
    <message>
        <source>确认打印吗？</source>
        <translation>Şimdi yazdırılsın mı?</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Yazdır</translation>
    </message>
    <message>
        <source>以下结果无法读取，未打印：%1</source>
        <translation>Bu sonuçlar okunamıyor ve yazdırılmadı: %1</translation>
    </message>
    <message>
        <source>Save Text</source>
        <translation>Farklı kaydet</translation>
    </message>
</context>
</TS>
