<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="zh_CN">
<context>
    <name>RecycleBin</name>
    <message>
        <source>质控回收站</source>
        <translation>KK geri dönüşüm kutusu</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Geri yükle</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>编号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>检测时间</source>
        <translation>Test zamanı</translation>
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
        <source>设备编号</source>
        <translation>Cihaz no.</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Bilgi</translation>
    </message>
    <message>
        <source>请选择要恢复的记录</source>
        <translation>Lütfen geri yüklenecek kayıtları seçin</translation>
    </message>
    <message>
        <source>确认恢复该记录？</source>
        <translation>Bu kayıt geri yüklensin mi?</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Uyarı</translation>
    </message>
    <message>
        <source>恢复失败</source>
        <translation>Geri yükleme başarısız</translation>
    </message>
    <message>
        <source>恢复成功！</source>
        <translation>Geri yüklendi!</translation>
    </message>
</context>
<context>
    <name>dlgQcQuery</name>
    <message>
        <source>质控查询</source>
        <translation>KK sorgusu</translation>
    </message>
    <message>
        <source>质控品</source>
        <translation>KK materyali</translation>
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
        <source>质控批号</source>
        <translation>KK lot no.</translation>
    </message>
    <message>
        <source>科室</source>
        <translation>Bölüm</translation>
    </message>
    <message>
        <source>设备编号</source>
        <translation>Cihaz no.</translation>
    </message>
    <message>
        <source>检测项目</source>
        <translation>Test parametresi</translation>
    </message>
    <message>
        <source>开始日期</source>
        <translation>Başlangıç tarihi</translation>
    </message>
    <message>
        <source>结束日期</source>
        <translation>Bitiş tarihi</translation>
    </message>
    <message>
        <source>查询</source>
        <translation>Ara</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>wgtQcReport</name>
    <message>
        <source>质控</source>
        <translation>KK</translation>
    </message>
    <message>
        <source>质控信息</source>
        <translation>KK bilgileri</translation>
    </message>
    <message>
        <source>质控品</source>
        <translation>KK materyali</translation>
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
        <source>质控批号</source>
        <translation>KK lot no.</translation>
    </message>
    <message>
        <source>科室</source>
        <translation>Bölüm</translation>
    </message>
    <message>
        <source>检测时间</source>
        <translation>Test zamanı</translation>
    </message>
    <message>
        <source>检验者</source>
        <translation>Test eden</translation>
    </message>
    <message>
        <source>审核者</source>
        <translation>Onaylayan</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>删除项目</source>
        <translation>Parametreyi sil</translation>
    </message>
    <message>
        <source>打印预览</source>
        <translation>Baskı önizleme</translation>
    </message>
    <message>
        <source>打印(F2)</source>
        <translation>Yazdır (F2)</translation>
    </message>
    <message>
        <source>导出PDF</source>
        <translation>PDF olarak aktar</translation>
    </message>
    <message>
        <source>导出Excel</source>
        <translation>Excel olarak aktar</translation>
    </message>
    <message>
        <source>编号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>设备编号</source>
        <translation>Cihaz no.</translation>
    </message>
    <message>
        <source>项目</source>
        <translation>Parametre</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Sonuç</translation>
    </message>
    <message>
        <source>单位</source>
        <translation>Birim</translation>
    </message>
    <message>
        <source>靶值</source>
        <translation>Hedef değer</translation>
    </message>
    <message>
        <source>质控范围</source>
        <translation>KK aralığı</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Bilgi</translation>
    </message>
    <message>
        <source>请选择一条质控记录</source>
        <translation>Lütfen bir KK kaydı seçin</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Uyarı</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Kaydetme başarısız</translation>
    </message>
    <message>
        <source>保存成功</source>
        <translation>Kaydedildi</translation>
    </message>
    <message>
        <source>确认删除吗？</source>
        <translation>Seçilenler silinsin mi?</translation>
    </message>
    <message>
        <source>删除失败</source>
        <translation>Silme başarısız</translation>
    </message>
</context>
</TS>
