<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="tr_TR">
<context>
    <name>Index</name>
    <message>
        <location filename="../../mainwindow/IndexDetail.cpp" line="151" />
        <source>该结果已无法读取，未保存</source>
        <translation>Bu sonuç artık okunamıyor; hiçbir şey kaydedilmedi.</translation>
    </message>
    <message>
        <location filename="../../mainwindow/IndexDetail.cpp" line="182" />
        <source>该结果的检测数据无法读取，未保存</source>
        <translation>Bu sonucun test verileri okunamıyor; hiçbir şey kaydedilmedi.</translation>
    </message>
    <message>
        <location filename="../../mainwindow/IndexReport.cpp" line="40" />
        <location filename="../../mainwindow/IndexReport.cpp" line="43" />
        <location filename="../../mainwindow/IndexReport.cpp" line="60" />
        <source>打印</source>
        <translation>Yazdır</translation>
    </message>
    <message>
        <location filename="../../mainwindow/IndexReport.cpp" line="40" />
        <source>请勾选打印报告</source>
        <translation>Lütfen yazdırılacak raporları işaretleyin</translation>
    </message>
    <message>
        <location filename="../../mainwindow/IndexReport.cpp" line="43" />
        <source>确认打印吗？</source>
        <translation>Şimdi yazdırılsın mı?</translation>
    </message>
    <message>
        <location filename="../../mainwindow/IndexReport.cpp" line="61" />
        <source>以下结果无法读取，未打印：%1</source>
        <translation>Bu sonuçlar okunamıyor ve yazdırılmadı: %1</translation>
    </message>
    <message>
        <location filename="../../mainwindow/IndexReport.cpp" line="72" />
        <location filename="../../mainwindow/IndexReport.cpp" line="89" />
        <location filename="../../mainwindow/IndexReport.cpp" line="108" />
        <source>该结果无法读取，未生成报告</source>
        <translation>Bu sonuç okunamıyor; rapor oluşturulmadı.</translation>
    </message>
    <message>
        <location filename="../../mainwindow/IndexReport.cpp" line="82" />
        <location filename="../../mainwindow/IndexReport.cpp" line="101" />
        <source>Save Text</source>
        <translation>Farklı kaydet</translation>
    </message>
    <message>
        <location filename="../../mainwindow/IndexReport.cpp" line="94" />
        <location filename="../../mainwindow/IndexReport.cpp" line="113" />
        <source>文件无法写入，请检查路径或关闭正在使用该文件的程序：%1</source>
        <translation>Dosya yazılamıyor. Yolu kontrol edin veya dosyayı kullanan programı kapatın: %1</translation>
    </message>
</context>
<context>
    <name>T</name>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="193" />
        <location filename="../../report/chkReportPage.cpp" line="516" />
        <source>送检者</source>
        <translation>Gönderen</translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="194" />
        <location filename="../../report/chkReportPage.cpp" line="517" />
        <source>检验者</source>
        <translation>Test eden</translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="195" />
        <location filename="../../report/chkReportPage.cpp" line="518" />
        <source>审核者</source>
        <translation>Onaylayan</translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="196" />
        <location filename="../../report/chkReportPage.cpp" line="519" />
        <source>送检时间：</source>
        <translation>Gönderim zamanı: </translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="197" />
        <location filename="../../report/chkReportPage.cpp" line="520" />
        <source>检验时间：</source>
        <translation>Test zamanı: </translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="198" />
        <location filename="../../report/chkReportPage.cpp" line="521" />
        <source>打印时间</source>
        <translation>Yazdırma zamanı</translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="204" />
        <source>临床诊断：</source>
        <translation>Klinik tanı: </translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="205" />
        <location filename="../../report/chkReportPage.cpp" line="536" />
        <source>序列号</source>
        <translation>Seri numarası</translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="206" />
        <location filename="../../report/chkReportPage.cpp" line="537" />
        <source>本次检验仅对该样本负责!</source>
        <translation>Bu sonuçlar yalnızca test edilen numune için geçerlidir!</translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="269" />
        <source>生化检验报告单</source>
        <translation>Biyokimya Test Raporu</translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="284" />
        <location filename="../../report/chkReportPage.cpp" line="440" />
        <source>科室：</source>
        <translation>Bölüm: </translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="285" />
        <location filename="../../report/chkReportPage.cpp" line="440" />
        <source>患者编号：</source>
        <translation>Hasta no.: </translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="286" />
        <location filename="../../report/chkReportPage.cpp" line="441" />
        <source>姓名：</source>
        <translation>Adı: </translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="287" />
        <location filename="../../report/chkReportPage.cpp" line="441" />
        <source>样本类型：</source>
        <translation>Numune türü: </translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="288" />
        <location filename="../../report/chkReportPage.cpp" line="442" />
        <source>性别：</source>
        <translation>Cinsiyet: </translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="289" />
        <location filename="../../report/chkReportPage.cpp" line="442" />
        <source>样本编号：</source>
        <translation>Numune no.: </translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="290" />
        <location filename="../../report/chkReportPage.cpp" line="443" />
        <source>年龄：</source>
        <translation>Yaş: </translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="291" />
        <location filename="../../report/chkReportPage.cpp" line="443" />
        <source>生日：</source>
        <translation>Doğum tarihi: </translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="292" />
        <location filename="../../report/chkReportPage.cpp" line="444" />
        <source>采样时间：</source>
        <translation>Numune alma zamanı: </translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="315" />
        <location filename="../../report/chkReportPage.cpp" line="548" />
        <source>电话</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="316" />
        <location filename="../../report/chkReportPage.cpp" line="553" />
        <source>邮箱</source>
        <translation>E-posta</translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="321" />
        <location filename="../../report/chkReportPage.cpp" line="560" />
        <source>地址</source>
        <translation>Adres</translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="535" />
        <source>临床诊断</source>
        <translation>Klinik tanı</translation>
    </message>
    <message>
        <location filename="../../report/ReportAssembly.cpp" line="167" />
        <source>岁</source>
        <translation> yaş </translation>
    </message>
    <message>
        <location filename="../../report/ReportAssembly.cpp" line="168" />
        <source>月</source>
        <translation> ay</translation>
    </message>
</context>
</TS>