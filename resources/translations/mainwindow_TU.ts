<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="tr" sourcelanguage="zh_CN">
<context>
    <name>Historyrecord</name>
    <message>
        <location filename="../../forms/Historyrecord.ui" line="8" />
        <source>报告回收站</source>
        <translation>Rapor geri dönüşüm kutusu</translation>
    </message>
    <message>
        <location filename="../../forms/Historyrecord.ui" line="17" />
        <source>序号</source>
        <translation>No.</translation>
    </message>
    <message>
        <location filename="../../forms/Historyrecord.ui" line="21" />
        <source>科室</source>
        <translation>Bölüm</translation>
    </message>
    <message>
        <location filename="../../forms/Historyrecord.ui" line="25" />
        <source>患者编号</source>
        <translation>Hasta no.</translation>
    </message>
    <message>
        <location filename="../../forms/Historyrecord.ui" line="29" />
        <source>样本编号</source>
        <translation>Numune no.</translation>
    </message>
    <message>
        <location filename="../../forms/Historyrecord.ui" line="33" />
        <source>姓名</source>
        <translation>Ad</translation>
    </message>
    <message>
        <location filename="../../forms/Historyrecord.ui" line="37" />
        <source>性别</source>
        <translation>Cinsiyet</translation>
    </message>
    <message>
        <location filename="../../forms/Historyrecord.ui" line="41" />
        <source>检测项目</source>
        <translation>Test</translation>
    </message>
    <message>
        <location filename="../../forms/Historyrecord.ui" line="45" />
        <source>检测时间</source>
        <translation>Test zamanı</translation>
    </message>
    <message>
        <location filename="../../forms/Historyrecord.ui" line="49" />
        <source>设备ID</source>
        <translation>Cihaz ID</translation>
    </message>
    <message>
        <location filename="../../forms/Historyrecord.ui" line="62" />
        <source>还原报告</source>
        <translation>Raporu geri yükle</translation>
    </message>
    <message>
        <location filename="../../mainwindow/Historyrecord.cpp" line="72" />
        <location filename="../../mainwindow/Historyrecord.cpp" line="75" />
        <source>提示</source>
        <translation>Bilgi</translation>
    </message>
    <message>
        <location filename="../../mainwindow/Historyrecord.cpp" line="72" />
        <source>确认恢复该记录？</source>
        <translation>Bu kayıt geri yüklensin mi?</translation>
    </message>
    <message>
        <location filename="../../mainwindow/Historyrecord.cpp" line="75" />
        <source>恢复成功！</source>
        <translation>Geri yüklendi!</translation>
    </message>
    <message>
        <location filename="../../mainwindow/Historyrecord.cpp" line="78" />
        <source>失败</source>
        <translation>Başarısız</translation>
    </message>
    <message>
        <location filename="../../mainwindow/Historyrecord.cpp" line="78" />
        <source>恢复失败</source>
        <translation>Geri yükleme başarısız</translation>
    </message>
</context>
<context>
    <name>Index</name>
    <message>
        <location filename="../../forms/Index.ui" line="20" />
        <location filename="../../mainwindow/Index.cpp" line="56" />
        <source>生化管理平台</source>
        <translation>Biyokimya Yönetim Platformu</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="73" />
        <source>高级查询</source>
        <translation>Gelişmiş arama</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="134" />
        <source>数据管理</source>
        <translation>Veri yönetimi</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="176" />
        <location filename="../../mainwindow/IndexDialogs.cpp" line="134" />
        <source>系统设置</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="212" />
        <source>获取网络数据</source>
        <translation>Ağ verilerini al</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="308" />
        <source>端口号：</source>
        <translation>Port:</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="355" />
        <location filename="../../mainwindow/IndexSerial.cpp" line="83" />
        <source>串口连接</source>
        <translation>Bağlan</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="368" />
        <source>检测</source>
        <translation>Testler</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="406" />
        <source>姓名：</source>
        <translation>Ad:</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="451" />
        <source>患者编号：</source>
        <translation>Hasta no.:</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="493" />
        <source>样本编号：</source>
        <translation>Numune no.:</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="523" />
        <source>科室：</source>
        <translation>Bölüm:</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="568" />
        <source>年龄：</source>
        <translation>Yaş:</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="630" />
        <source>岁</source>
        <translation>y</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="656" />
        <source>月</source>
        <translation>a</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="676" />
        <source>生日：</source>
        <translation>Doğum tarihi:</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="712" />
        <source>性别：</source>
        <translation>Cinsiyet:</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="751" />
        <source>检验者：</source>
        <translation>Test eden:</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="796" />
        <source>样本类型：</source>
        <translation>Numune tipi:</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="841" />
        <source>送检者：</source>
        <translation>Gönderen:</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="886" />
        <source>审核者：</source>
        <translation>Onaylayan:</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="922" />
        <source>采样时间：</source>
        <translation>Numune alma zamanı:</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="957" />
        <location filename="../../forms/Index.ui" line="1012" />
        <location filename="../../forms/Index.ui" line="1067" />
        <source>yyyy/MM/dd HH:mm:ss</source>
        <translation>yyyy/MM/dd HH:mm:ss</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="977" />
        <source>送检时间：</source>
        <translation>Gönderim zamanı:</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="1032" />
        <source>检测时间：</source>
        <translation>Test zamanı:</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="1087" />
        <source>临床诊断：</source>
        <translation>Klinik tanı:</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="1140" />
        <source>请选中病例信息后再编辑检验信息并保存。表格中的数据需要Ctrl+鼠标左键选中多条。</source>
        <translation>Bir vaka seçin, bilgilerini düzenleyip kaydedin. Birden çok satır seçmek için Ctrl tuşunu basılı tutup tıklayın.</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="1191" />
        <location filename="../../forms/Index.ui" line="1826" />
        <source>保存</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="1233" />
        <source>病例信息</source>
        <translation>Vakalar</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="1252" />
        <source>序号</source>
        <translation>No.</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="1262" />
        <source>科室</source>
        <translation>Bölüm</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="1267" />
        <source>样本编号</source>
        <translation>Numune no.</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="1272" />
        <source>患者编号</source>
        <translation>Hasta no.</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="1277" />
        <source>姓名</source>
        <translation>Ad</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="1282" />
        <source>性别</source>
        <translation>Cinsiyet</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="1287" />
        <source>检测项目</source>
        <translation>Test</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="1292" />
        <source>检测时间</source>
        <translation>Test zamanı</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="1297" />
        <source>设备ID</source>
        <translation>Cihaz ID</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="1360" />
        <source>打印（F2）</source>
        <translation>Yazdır (F2)</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="1377" />
        <source>打印预览</source>
        <translation>Baskı önizleme</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="1400" />
        <source>生成PDF</source>
        <translation>PDF oluştur</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="1423" />
        <source>生成EXCEL</source>
        <translation>Excel oluştur</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="1447" />
        <source>刷新</source>
        <translation>Yenile</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="1464" />
        <source>删除报告</source>
        <translation>Raporu sil</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="1487" />
        <source>合并报告</source>
        <translation>Raporları birleştir</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="1510" />
        <source>AI</source>
        <translation>YZ</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="1549" />
        <source>检验结果</source>
        <translation>Sonuçlar</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="1573" />
        <source>项目名称</source>
        <translation>Parametre</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="1578" />
        <source>全称</source>
        <translation>Tam adı</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="1583" />
        <source>检测结果</source>
        <translation>Sonuç</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="1588" />
        <source>靶值</source>
        <translation>Hedef değer</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="1593" />
        <source>参考范围</source>
        <translation>Referans aralığı</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="1598" />
        <source>参考单位</source>
        <translation>Birim</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="1653" />
        <source>低于参考值范围</source>
        <translation>Referans aralığının altında</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="1702" />
        <source>高于参考值范围</source>
        <translation>Referans aralığının üstünde</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="1754" />
        <source>新增项目</source>
        <translation>Parametre ekle</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="1790" />
        <source>删除项目(Del)</source>
        <translation>Parametreyi sil (Del)</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="1846" />
        <source>质控</source>
        <translation>KK</translation>
    </message>
    <message>
        <location filename="../../forms/Index.ui" line="1877" />
        <source>toolBar</source>
        <translation>toolBar</translation>
    </message>
    <message>
        <location filename="../../mainwindow/Index.cpp" line="173" />
        <source>数据备份</source>
        <translation>Verileri yedekle</translation>
    </message>
    <message>
        <location filename="../../mainwindow/Index.cpp" line="174" />
        <source>数据恢复</source>
        <translation>Verileri geri yükle</translation>
    </message>
    <message>
        <location filename="../../mainwindow/Index.cpp" line="175" />
        <source>报告回收站</source>
        <translation>Rapor geri dönüşüm kutusu</translation>
    </message>
    <message>
        <location filename="../../mainwindow/IndexCase.cpp" line="160" />
        <location filename="../../mainwindow/IndexList.cpp" line="120" />
        <source>失败</source>
        <translation>Başarısız</translation>
    </message>
    <message>
        <location filename="../../mainwindow/IndexCase.cpp" line="160" />
        <source>保存失败</source>
        <translation>Kaydetme başarısız</translation>
    </message>
    <message>
        <location filename="../../mainwindow/IndexCase.cpp" line="164" />
        <source>成功</source>
        <translation>Başarılı</translation>
    </message>
    <message>
        <location filename="../../mainwindow/IndexCase.cpp" line="164" />
        <source>保存成功</source>
        <translation>Kaydedildi</translation>
    </message>
    <message>
        <location filename="../../mainwindow/IndexDialogs.cpp" line="327" />
        <source>盘片项目配置</source>
        <translation>Panel parametre ayarları</translation>
    </message>
    <message>
        <location filename="../../mainwindow/IndexList.cpp" line="116" />
        <source>提示</source>
        <translation>Bilgi</translation>
    </message>
    <message>
        <location filename="../../mainwindow/IndexList.cpp" line="116" />
        <source>确认删除吗？</source>
        <translation>Silinsin mi?</translation>
    </message>
    <message>
        <location filename="../../mainwindow/IndexList.cpp" line="120" />
        <source>删除失败</source>
        <translation>Silme başarısız</translation>
    </message>
    <message>
        <location filename="../../mainwindow/IndexSerial.cpp" line="79" />
        <source>当前获取数据模式为 串口模式...</source>
        <translation>Veri alma modu: seri port...</translation>
    </message>
    <message>
        <location filename="../../mainwindow/IndexSerial.cpp" line="92" />
        <location filename="../../mainwindow/IndexSerial.cpp" line="326" />
        <source>警告</source>
        <translation>Uyarı</translation>
    </message>
    <message>
        <location filename="../../mainwindow/IndexSerial.cpp" line="92" />
        <source>没有可用串口，请重新尝试扫描串口！</source>
        <translation>Kullanılabilir seri port yok. Lütfen portları yeniden tarayın!</translation>
    </message>
    <message>
        <location filename="../../mainwindow/IndexSerial.cpp" line="113" />
        <source>断开连接</source>
        <translation>Bağlantıyı kes</translation>
    </message>
    <message>
        <location filename="../../mainwindow/IndexSerial.cpp" line="324" />
        <source>重新连接</source>
        <translation>Yeniden bağlan</translation>
    </message>
    <message>
        <location filename="../../mainwindow/IndexSerial.cpp" line="326" />
        <source>串口已断开连接,请重新连接！</source>
        <translation>Seri port bağlantısı kesildi. Lütfen yeniden bağlanın!</translation>
    </message>
</context>
<context>
    <name>Patientfind</name>
    <message>
        <location filename="../../forms/Patientfind.ui" line="9" />
        <location filename="../../mainwindow/Patientfind.cpp" line="37" />
        <source>高级查询</source>
        <translation>Gelişmiş arama</translation>
    </message>
    <message>
        <location filename="../../forms/Patientfind.ui" line="25" />
        <source>姓名：</source>
        <translation>Ad:</translation>
    </message>
    <message>
        <location filename="../../forms/Patientfind.ui" line="30" />
        <source>患者编号：</source>
        <translation>Hasta no.:</translation>
    </message>
    <message>
        <location filename="../../forms/Patientfind.ui" line="40" />
        <source>检测日期：</source>
        <translation>Test tarihi:</translation>
    </message>
    <message>
        <location filename="../../forms/Patientfind.ui" line="53" />
        <source>项目名称：</source>
        <translation>Parametre:</translation>
    </message>
    <message>
        <location filename="../../forms/Patientfind.ui" line="64" />
        <source>样本编号：</source>
        <translation>Numune no.:</translation>
    </message>
    <message>
        <location filename="../../forms/Patientfind.ui" line="69" />
        <source>科室：</source>
        <translation>Bölüm:</translation>
    </message>
    <message>
        <location filename="../../forms/Patientfind.ui" line="74" />
        <source>至</source>
        <translation>-</translation>
    </message>
    <message>
        <location filename="../../forms/Patientfind.ui" line="79" />
        <source>设备ID：</source>
        <translation>Cihaz ID:</translation>
    </message>
    <message>
        <location filename="../../forms/Patientfind.ui" line="101" />
        <source>查询</source>
        <translation>Ara</translation>
    </message>
    <message>
        <location filename="../../mainwindow/Patientfind.cpp" line="15" />
        <source>条件查询</source>
        <translation>Arama</translation>
    </message>
</context>
</TS>