<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="it_IT">
<context>
    <name>ConsolidatedReport</name>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="17" />
        <source>合并报告预览</source>
        <translation>Anteprima referto unificato</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="42" />
        <source>生化检验报告单</source>
        <translation>Referto di biochimica</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="66" />
        <source>科室：</source>
        <translation>Reparto:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="93" />
        <source>患者编号：</source>
        <translation>ID paziente:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="120" />
        <source>年龄：</source>
        <translation>Età:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="137" />
        <source>年</source>
        <translation>a</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="154" />
        <source>月</source>
        <translation>m</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="171" />
        <source>性别：</source>
        <translation>Sesso:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="198" />
        <source>姓名：</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="225" />
        <source>生日：</source>
        <translation>Data di nascita:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="246" />
        <source>样本类型：</source>
        <translation>Tipo di campione:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="279" />
        <source>样本编号：</source>
        <translation>ID campione:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="300" />
        <source>采样时间：</source>
        <translation>Ora del prelievo:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="336" />
        <source>项目名称</source>
        <translation>Voce</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="341" />
        <source>全称</source>
        <translation>Nome completo</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="346" />
        <source>检测结果</source>
        <translation>Risultato</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="351" />
        <source>靶值</source>
        <translation>Valore atteso</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="356" />
        <source>参考范围</source>
        <translation>Intervallo di riferimento</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="361" />
        <source>参考单位</source>
        <translation>Unità</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="380" />
        <source>送检时间：</source>
        <translation>Ora di invio:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="407" />
        <source>检验时间：</source>
        <translation>Eseguito il:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="434" />
        <source>打印时间：</source>
        <translation>Ora di stampa:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="448" />
        <source>送检者：</source>
        <translation>Inviato da:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="462" />
        <source>检验者：</source>
        <translation>Esaminatore:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="476" />
        <source>审核者：</source>
        <translation>Revisore:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="490" />
        <source>临床诊断：</source>
        <translation>Diagnosi clinica:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="510" />
        <source>诊断备注：</source>
        <translation>Nota diagnostica:</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="529" />
        <source>注：若中文名称为空时，打印预览则显示系统默认中文名称。</source>
        <translation>Nota: se il nome completo è vuoto, l'anteprima di stampa mostra il nome predefinito della voce.</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="563" />
        <source>打印</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="585" />
        <source>打印预览</source>
        <translation>Anteprima di stampa</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="607" />
        <source>生成PDF</source>
        <translation>Crea PDF</translation>
    </message>
    <message>
        <location filename="../../forms/ConsolidatedReport.ui" line="629" />
        <source>删除行（Del）</source>
        <translation>Elimina riga (Canc)</translation>
    </message>
    <message>
        <location filename="../../report/ConsolidatedReport.cpp" line="197" />
        <source>Save Text</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <location filename="../../report/ConsolidatedReport.cpp" line="211" />
        <source>失败</source>
        <translation>Non riuscito</translation>
    </message>
    <message>
        <location filename="../../report/ConsolidatedReport.cpp" line="212" />
        <source>文件无法写入，请检查路径或关闭正在使用该文件的程序：%1</source>
        <translation>Impossibile scrivere il file. Verificare il percorso o chiudere il programma che lo tiene aperto: %1</translation>
    </message>
</context>
</TS>
