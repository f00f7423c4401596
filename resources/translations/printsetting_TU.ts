<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR" sourcelanguage="zh_CN">
<context>
    <name>PrintPreview</name>
    <message>
        <source>打印设置</source>
        <translation>Yazdırma ayarları</translation>
    </message>
    <message>
        <source>检测</source>
        <translation>Testler</translation>
    </message>
    <message>
        <source>质控</source>
        <translation>KK</translation>
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
        <translation>Rapor biçimi</translation>
    </message>
    <message>
        <source>其它格式</source>
        <translation>Diğer biçim</translation>
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
        <source>A4临床意义打印</source>
        <translation>A4 klinik anlamı ile</translation>
    </message>
    <message>
        <source>可选项</source>
        <translation>İsteğe bağlı öğeler</translation>
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
        <source>Open File</source>
        <translation>Dosya aç</translation>
    </message>
</context>
<context>
    <name>T</name>
    <message>
        <source>责任声明</source>
        <translation>Sorumluluk beyanı</translation>
    </message>
</context>
</TS>
