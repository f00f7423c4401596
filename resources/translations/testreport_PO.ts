<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="pt_PT">
<context>
    <name>Index</name>
    <message>
        <location filename="../../mainwindow/IndexDetail.cpp" line="151" />
        <source>该结果已无法读取，未保存</source>
        <translation>Este resultado já não pode ser lido; nada foi guardado.</translation>
    </message>
    <message>
        <location filename="../../mainwindow/IndexDetail.cpp" line="182" />
        <source>该结果的检测数据无法读取，未保存</source>
        <translation>Os dados de análise deste resultado não podem ser lidos; nada foi guardado.</translation>
    </message>
    <message>
        <location filename="../../mainwindow/IndexReport.cpp" line="40" />
        <location filename="../../mainwindow/IndexReport.cpp" line="43" />
        <location filename="../../mainwindow/IndexReport.cpp" line="60" />
        <source>打印</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <location filename="../../mainwindow/IndexReport.cpp" line="40" />
        <source>请勾选打印报告</source>
        <translation>Marque os relatórios a imprimir</translation>
    </message>
    <message>
        <location filename="../../mainwindow/IndexReport.cpp" line="43" />
        <source>确认打印吗？</source>
        <translation>Imprimir agora?</translation>
    </message>
    <message>
        <location filename="../../mainwindow/IndexReport.cpp" line="61" />
        <source>以下结果无法读取，未打印：%1</source>
        <translation>Estes resultados não podem ser lidos e não foram impressos: %1</translation>
    </message>
    <message>
        <location filename="../../mainwindow/IndexReport.cpp" line="72" />
        <location filename="../../mainwindow/IndexReport.cpp" line="89" />
        <location filename="../../mainwindow/IndexReport.cpp" line="108" />
        <source>该结果无法读取，未生成报告</source>
        <translation>Este resultado não pode ser lido; nenhum relatório foi criado.</translation>
    </message>
    <message>
        <location filename="../../mainwindow/IndexReport.cpp" line="82" />
        <location filename="../../mainwindow/IndexReport.cpp" line="101" />
        <source>Save Text</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <location filename="../../mainwindow/IndexReport.cpp" line="94" />
        <location filename="../../mainwindow/IndexReport.cpp" line="113" />
        <source>文件无法写入，请检查路径或关闭正在使用该文件的程序：%1</source>
        <translation>Não é possível gravar o ficheiro. Verifique o caminho ou feche o programa que o está a usar: %1</translation>
    </message>
</context>
<context>
    <name>T</name>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="193" />
        <location filename="../../report/chkReportPage.cpp" line="516" />
        <source>送检者</source>
        <translation>Enviado por</translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="194" />
        <location filename="../../report/chkReportPage.cpp" line="517" />
        <source>检验者</source>
        <translation>Analisado por</translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="195" />
        <location filename="../../report/chkReportPage.cpp" line="518" />
        <source>审核者</source>
        <translation>Revisto por</translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="196" />
        <location filename="../../report/chkReportPage.cpp" line="519" />
        <source>送检时间：</source>
        <translation>Enviado em: </translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="197" />
        <location filename="../../report/chkReportPage.cpp" line="520" />
        <source>检验时间：</source>
        <translation>Analisado em: </translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="198" />
        <location filename="../../report/chkReportPage.cpp" line="521" />
        <source>打印时间</source>
        <translation>Impresso em</translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="204" />
        <source>临床诊断：</source>
        <translation>Diagnóstico clínico: </translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="205" />
        <location filename="../../report/chkReportPage.cpp" line="536" />
        <source>序列号</source>
        <translation>Número de série</translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="206" />
        <location filename="../../report/chkReportPage.cpp" line="537" />
        <source>本次检验仅对该样本负责!</source>
        <translation>Estes resultados referem-se apenas à amostra analisada!</translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="269" />
        <source>生化检验报告单</source>
        <translation>Relatório de bioquímica</translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="284" />
        <location filename="../../report/chkReportPage.cpp" line="440" />
        <source>科室：</source>
        <translation>Departamento: </translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="285" />
        <location filename="../../report/chkReportPage.cpp" line="440" />
        <source>患者编号：</source>
        <translation>N.º do paciente: </translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="286" />
        <location filename="../../report/chkReportPage.cpp" line="441" />
        <source>姓名：</source>
        <translation>Nome: </translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="287" />
        <location filename="../../report/chkReportPage.cpp" line="441" />
        <source>样本类型：</source>
        <translation>Tipo de amostra: </translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="288" />
        <location filename="../../report/chkReportPage.cpp" line="442" />
        <source>性别：</source>
        <translation>Sexo: </translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="289" />
        <location filename="../../report/chkReportPage.cpp" line="442" />
        <source>样本编号：</source>
        <translation>N.º da amostra: </translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="290" />
        <location filename="../../report/chkReportPage.cpp" line="443" />
        <source>年龄：</source>
        <translation>Idade: </translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="291" />
        <location filename="../../report/chkReportPage.cpp" line="443" />
        <source>生日：</source>
        <translation>Data de nascimento: </translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="292" />
        <location filename="../../report/chkReportPage.cpp" line="444" />
        <source>采样时间：</source>
        <translation>Colhido em: </translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="315" />
        <location filename="../../report/chkReportPage.cpp" line="548" />
        <source>电话</source>
        <translation>Telefone</translation>
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
        <translation>Morada</translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="535" />
        <source>临床诊断</source>
        <translation>Diagnóstico clínico</translation>
    </message>
    <message>
        <location filename="../../report/ReportAssembly.cpp" line="167" />
        <source>岁</source>
        <translation> anos </translation>
    </message>
    <message>
        <location filename="../../report/ReportAssembly.cpp" line="168" />
        <source>月</source>
        <translation> meses</translation>
    </message>
</context>
</TS>