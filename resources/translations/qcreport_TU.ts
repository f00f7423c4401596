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
<context>
    <name>PrintPreviewQc</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>结果提示选择</source>
        <translation>Sonuç göstergesi</translation>
    </message>
    <message>
        <source>图表</source>
        <translation>Grafik</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>报表选择</source>
        <translation>Rapor kağıdı</translation>
    </message>
    <message>
        <source>A5横向打印</source>
        <translation>A5 yatay</translation>
    </message>
    <message>
        <source>A4打印</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>可选项</source>
        <translation>Seçenekler</translation>
    </message>
    <message>
        <source>上传logo</source>
        <translation>Logo yükle</translation>
    </message>
    <message>
        <source>字号：</source>
        <translation>Yazı boyutu:</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Önizleme</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Düzenle</translation>
    </message>
    <message>
        <source>失败</source>
        <translation>Başarısız</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Kaydetme başarısız</translation>
    </message>
    <message>
        <source>成功</source>
        <translation>Başarılı</translation>
    </message>
    <message>
        <source>保存成功</source>
        <translation>Kaydedildi</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Dosya aç</translation>
    </message>
</context>
</TS>
