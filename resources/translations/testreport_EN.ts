<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en_US">
<context>
    <name>Index</name>
    <message>
        <location filename="../../mainwindow/IndexDetail.cpp" line="151" />
        <source>该结果已无法读取，未保存</source>
        <translation>This result can no longer be read; nothing was saved.</translation>
    </message>
    <message>
        <location filename="../../mainwindow/IndexDetail.cpp" line="182" />
        <source>该结果的检测数据无法读取，未保存</source>
        <translation>The test data of this result cannot be read; nothing was saved.</translation>
    </message>
    <message>
        <location filename="../../mainwindow/IndexReport.cpp" line="40" />
        <location filename="../../mainwindow/IndexReport.cpp" line="43" />
        <location filename="../../mainwindow/IndexReport.cpp" line="60" />
        <source>打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <location filename="../../mainwindow/IndexReport.cpp" line="40" />
        <source>请勾选打印报告</source>
        <translation>Please tick the reports to print</translation>
    </message>
    <message>
        <location filename="../../mainwindow/IndexReport.cpp" line="43" />
        <source>确认打印吗？</source>
        <translation>Print now?</translation>
    </message>
    <message>
        <location filename="../../mainwindow/IndexReport.cpp" line="61" />
        <source>以下结果无法读取，未打印：%1</source>
        <translation>These results cannot be read and were not printed: %1</translation>
    </message>
    <message>
        <location filename="../../mainwindow/IndexReport.cpp" line="72" />
        <location filename="../../mainwindow/IndexReport.cpp" line="89" />
        <location filename="../../mainwindow/IndexReport.cpp" line="108" />
        <source>该结果无法读取，未生成报告</source>
        <translation>This result cannot be read; no report was made.</translation>
    </message>
    <message>
        <location filename="../../mainwindow/IndexReport.cpp" line="82" />
        <location filename="../../mainwindow/IndexReport.cpp" line="101" />
        <source>Save Text</source>
        <translation>Save As</translation>
    </message>
    <message>
        <location filename="../../mainwindow/IndexReport.cpp" line="94" />
        <location filename="../../mainwindow/IndexReport.cpp" line="113" />
        <source>文件无法写入，请检查路径或关闭正在使用该文件的程序：%1</source>
        <translation>The file cannot be written. Check the path or close the program that has the file open: %1</translation>
    </message>
</context>
<context>
    <name>T</name>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="193" />
        <location filename="../../report/chkReportPage.cpp" line="516" />
        <source>送检者</source>
        <translation>Submitted by</translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="194" />
        <location filename="../../report/chkReportPage.cpp" line="517" />
        <source>检验者</source>
        <translation>Tested by</translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="195" />
        <location filename="../../report/chkReportPage.cpp" line="518" />
        <source>审核者</source>
        <translation>Reviewed by</translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="196" />
        <location filename="../../report/chkReportPage.cpp" line="519" />
        <source>送检时间：</source>
        <translation>Submitted: </translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="197" />
        <location filename="../../report/chkReportPage.cpp" line="520" />
        <source>检验时间：</source>
        <translation>Tested: </translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="198" />
        <location filename="../../report/chkReportPage.cpp" line="521" />
        <source>打印时间</source>
        <translation>Printed</translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="204" />
        <source>临床诊断：</source>
        <translation>Clinical diagnosis: </translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="205" />
        <location filename="../../report/chkReportPage.cpp" line="536" />
        <source>序列号</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="206" />
        <location filename="../../report/chkReportPage.cpp" line="537" />
        <source>本次检验仅对该样本负责!</source>
        <translation>These results apply only to the sample tested!</translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="269" />
        <source>生化检验报告单</source>
        <translation>Biochemistry Test Report</translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="284" />
        <location filename="../../report/chkReportPage.cpp" line="440" />
        <source>科室：</source>
        <translation>Department: </translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="285" />
        <location filename="../../report/chkReportPage.cpp" line="440" />
        <source>患者编号：</source>
        <translation>Patient ID: </translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="286" />
        <location filename="../../report/chkReportPage.cpp" line="441" />
        <source>姓名：</source>
        <translation>Name: </translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="287" />
        <location filename="../../report/chkReportPage.cpp" line="441" />
        <source>样本类型：</source>
        <translation>Sample type: </translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="288" />
        <location filename="../../report/chkReportPage.cpp" line="442" />
        <source>性别：</source>
        <translation>Sex: </translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="289" />
        <location filename="../../report/chkReportPage.cpp" line="442" />
        <source>样本编号：</source>
        <translation>Sample no.: </translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="290" />
        <location filename="../../report/chkReportPage.cpp" line="443" />
        <source>年龄：</source>
        <translation>Age: </translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="291" />
        <location filename="../../report/chkReportPage.cpp" line="443" />
        <source>生日：</source>
        <translation>Birthday: </translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="292" />
        <location filename="../../report/chkReportPage.cpp" line="444" />
        <source>采样时间：</source>
        <translation>Sampled: </translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="315" />
        <location filename="../../report/chkReportPage.cpp" line="548" />
        <source>电话</source>
        <translation>Phone</translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="316" />
        <location filename="../../report/chkReportPage.cpp" line="553" />
        <source>邮箱</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="321" />
        <location filename="../../report/chkReportPage.cpp" line="560" />
        <source>地址</source>
        <translation>Address</translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="535" />
        <source>临床诊断</source>
        <translation>Clinical diagnosis</translation>
    </message>
    <message>
        <location filename="../../report/ReportAssembly.cpp" line="167" />
        <source>岁</source>
        <translation> y </translation>
    </message>
    <message>
        <location filename="../../report/ReportAssembly.cpp" line="168" />
        <source>月</source>
        <translation> m</translation>
    </message>
</context>
</TS>