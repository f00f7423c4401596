<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="zh_CN">
<context>
    <name>RecycleBin</name>
    <message>
        <source>质控回收站</source>
        <translation>Cestino CQ</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>编号</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>检测时间</source>
        <translation>Ora del test</translation>
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
        <source>设备编号</source>
        <translation>ID dispositivo</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>请选择要恢复的记录</source>
        <translation>Selezionare i record da ripristinare</translation>
    </message>
    <message>
        <source>确认恢复该记录？</source>
        <translation>Ripristinare questo record?</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>恢复失败</source>
        <translation>Ripristino non riuscito</translation>
    </message>
    <message>
        <source>恢复成功！</source>
        <translation>Ripristinato!</translation>
    </message>
</context>
<context>
    <name>dlgQcQuery</name>
    <message>
        <source>质控查询</source>
        <translation>Ricerca CQ</translation>
    </message>
    <message>
        <source>质控品</source>
        <translation>Materiale CQ</translation>
    </message>
    <message>
        <source>质控一</source>
        <translation>CQ 1</translation>
    </message>
    <message>
        <source>质控二</source>
        <translation>CQ 2</translation>
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
        <source>设备编号</source>
        <translation>ID dispositivo</translation>
    </message>
    <message>
        <source>检测项目</source>
        <translation>Voce del test</translation>
    </message>
    <message>
        <source>开始日期</source>
        <translation>Data di inizio</translation>
    </message>
    <message>
        <source>结束日期</source>
        <translation>Data di fine</translation>
    </message>
    <message>
        <source>查询</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>wgtQcReport</name>
    <message>
        <source>质控</source>
        <translation>CQ</translation>
    </message>
    <message>
        <source>质控信息</source>
        <translation>Dati CQ</translation>
    </message>
    <message>
        <source>质控品</source>
        <translation>Materiale CQ</translation>
    </message>
    <message>
        <source>质控一</source>
        <translation>CQ 1</translation>
    </message>
    <message>
        <source>质控二</source>
        <translation>CQ 2</translation>
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
        <source>检测时间</source>
        <translation>Ora del test</translation>
    </message>
    <message>
        <source>检验者</source>
        <translation>Esaminatore</translation>
    </message>
    <message>
        <source>审核者</source>
        <translation>Revisore</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>删除项目</source>
        <translation>Elimina voce</translation>
    </message>
    <message>
        <source>打印预览</source>
        <translation>Anteprima di stampa</translation>
    </message>
    <message>
        <source>打印(F2)</source>
        <translation>Stampa (F2)</translation>
    </message>
    <message>
        <source>导出PDF</source>
        <translation>Esporta PDF</translation>
    </message>
    <message>
        <source>导出Excel</source>
        <translation>Esporta Excel</translation>
    </message>
    <message>
        <source>编号</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>设备编号</source>
        <translation>ID dispositivo</translation>
    </message>
    <message>
        <source>项目</source>
        <translation>Voce</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Risultato</translation>
    </message>
    <message>
        <source>单位</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>靶值</source>
        <translation>Valore target</translation>
    </message>
    <message>
        <source>质控范围</source>
        <translation>Intervallo CQ</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>请选择一条质控记录</source>
        <translation>Selezionare un record CQ</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Salvataggio non riuscito</translation>
    </message>
    <message>
        <source>保存成功</source>
        <translation>Salvato</translation>
    </message>
    <message>
        <source>确认删除吗？</source>
        <translation>Eliminare la selezione?</translation>
    </message>
    <message>
        <source>删除失败</source>
        <translation>Eliminazione non riuscita</translation>
    </message>
</context>
</TS>
