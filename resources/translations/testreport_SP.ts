<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1">
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
        <translation>Analizado por</translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="195" />
        <location filename="../../report/chkReportPage.cpp" line="518" />
        <source>审核者</source>
        <translation>Revisado por</translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="196" />
        <location filename="../../report/chkReportPage.cpp" line="519" />
        <source>送检时间：</source>
        <translation>Enviado el: </translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="197" />
        <location filename="../../report/chkReportPage.cpp" line="520" />
        <source>检验时间：</source>
        <translation>Analizado el: </translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="198" />
        <location filename="../../report/chkReportPage.cpp" line="521" />
        <source>打印时间</source>
        <translation>Impreso el</translation>
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
        <translation>Número de serie</translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="206" />
        <location filename="../../report/chkReportPage.cpp" line="537" />
        <source>本次检验仅对该样本负责!</source>
        <translation>¡Estos resultados se refieren solo a la muestra analizada!</translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="269" />
        <source>生化检验报告单</source>
        <translation>Informe de bioquímica</translation>
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
        <translation>N.º de paciente: </translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="286" />
        <location filename="../../report/chkReportPage.cpp" line="441" />
        <source>姓名：</source>
        <translation>Nombre: </translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="287" />
        <location filename="../../report/chkReportPage.cpp" line="441" />
        <source>样本类型：</source>
        <translation>Tipo de muestra: </translation>
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
        <translation>N.º de muestra: </translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="290" />
        <location filename="../../report/chkReportPage.cpp" line="443" />
        <source>年龄：</source>
        <translation>Edad: </translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="291" />
        <location filename="../../report/chkReportPage.cpp" line="443" />
        <source>生日：</source>
        <translation>Fecha de nacimiento: </translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="292" />
        <location filename="../../report/chkReportPage.cpp" line="444" />
        <source>采样时间：</source>
        <translation>Extraído el: </translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="315" />
        <location filename="../../report/chkReportPage.cpp" line="548" />
        <source>电话</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="316" />
        <location filename="../../report/chkReportPage.cpp" line="553" />
        <source>邮箱</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="321" />
        <location filename="../../report/chkReportPage.cpp" line="560" />
        <source>地址</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="465" />
        <source>项目缩写</source>
        <translation>Abreviatura</translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="466" />
        <source>全称</source>
        <translation>Nombre completo</translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="467" />
        <source>检验结果</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="468" />
        <source>提示</source>
        <translation>Indicación</translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="471" />
        <source>参考范围</source>
        <translation>Intervalo de referencia</translation>
    </message>
    <message>
        <location filename="../../report/chkReportPage.cpp" line="535" />
        <source>临床诊断</source>
        <translation>Diagnóstico clínico</translation>
    </message>
    <message>
        <location filename="../../report/ReportAssembly.cpp" line="167" />
        <source>岁</source>
        <translation> años </translation>
    </message>
    <message>
        <location filename="../../report/ReportAssembly.cpp" line="168" />
        <source>月</source>
        <translation> meses</translation>
    </message>
</context>
</TS>