<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>T</name>
    <message>
        <source>生化分析仪质控报告单</source>
        <translation>Referto CQ dell'analizzatore biochimico</translation>
    </message>
    <message>
        <source>质控品</source>
        <translation>Materiale CQ</translation>
    </message>
    <message>
        <source>质控批号</source>
        <translation>Lotto CQ</translation>
    </message>
    <message>
        <source>科室</source>
        <translation>Reparto</translation>
    </message>
    <message>
        <source>质控一</source>
        <translation>CQ 1</translation>
    </message>
    <message>
        <source>质控二</source>
        <translation>CQ 2</translation>
    </message>
</context>
<context>
    <name>wgtQcReport</name>
    <message>
        <source>该结果无法读取，未生成报告</source>
        <translation>Questo risultato non è leggibile; nessun referto generato.</translation>
    </message>
    <message>
        <source>文件无法写入，请检查路径或关闭正在使用该文件的程序：%1</source>
        <translation>Impossibile scrivere il file. Verificare il percorso o chiudere il programma che lo tiene aperto: %1</translation>
    </message>
    <message>
        <source>请勾选打印报告</source>
        <translation>Selezionare i referti da stampare</translation>
    </message>
    <message>
        <source>确认打印吗？</source>
        <translation>Stampare ora?</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>以下结果无法读取，未打印：%1</source>
        <translation>Questi risultati non sono leggibili e non sono stati stampati: %1</translation>
    </message>
    <message>
        <source>Save Text</source>
        <translation>Salva con nome</translation>
    </message>
</context>
<context>
    <name>PrintPreviewQc</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>结果提示选择</source>
        <translation>Indicazione del risultato</translation>
    </message>
    <message>
        <source>图表</source>
        <translation>Grafico</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>Freccia</translation>
    </message>
    <message>
        <source>报表选择</source>
        <translation>Formato del referto</translation>
    </message>
    <message>
        <source>A5横向打印</source>
        <translation>A5 orizzontale</translation>
    </message>
    <message>
        <source>A4打印</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>可选项</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>上传logo</source>
        <translation>Carica logo</translation>
    </message>
    <message>
        <source>字号：</source>
        <translation>Dimensione carattere:</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>失败</source>
        <translation>Non riuscito</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Salvataggio non riuscito</translation>
    </message>
    <message>
        <source>成功</source>
        <translation>Riuscito</translation>
    </message>
    <message>
        <source>保存成功</source>
        <translation>Salvato</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Apri file</translation>
    </message>
</context>
</TS>
