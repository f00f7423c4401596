<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="zh_CN">
<context>
    <name>RecycleBin</name>
    <message>
        <source>质控回收站</source>
        <translation>Lixeira do CQ</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>编号</source>
        <translation>Nº</translation>
    </message>
    <message>
        <source>检测时间</source>
        <translation>Hora do teste</translation>
    </message>
    <message>
        <source>质控品</source>
        <translation>Material de CQ</translation>
    </message>
    <message>
        <source>质控批号</source>
        <translation>Lote do CQ</translation>
    </message>
    <message>
        <source>科室</source>
        <translation>Departamento</translation>
    </message>
    <message>
        <source>设备编号</source>
        <translation>ID do aparelho</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>请选择要恢复的记录</source>
        <translation>Selecione os registros a restaurar</translation>
    </message>
    <message>
        <source>确认恢复该记录？</source>
        <translation>Restaurar este registro?</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>恢复失败</source>
        <translation>Falha ao restaurar</translation>
    </message>
    <message>
        <source>恢复成功！</source>
        <translation>Restaurado com sucesso!</translation>
    </message>
</context>
<context>
    <name>dlgQcQuery</name>
    <message>
        <source>质控查询</source>
        <translation>Consulta de CQ</translation>
    </message>
    <message>
        <source>质控品</source>
        <translation>Material de CQ</translation>
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
        <translation>Lote do CQ</translation>
    </message>
    <message>
        <source>科室</source>
        <translation>Departamento</translation>
    </message>
    <message>
        <source>设备编号</source>
        <translation>ID do aparelho</translation>
    </message>
    <message>
        <source>检测项目</source>
        <translation>Item do teste</translation>
    </message>
    <message>
        <source>开始日期</source>
        <translation>Data inicial</translation>
    </message>
    <message>
        <source>结束日期</source>
        <translation>Data final</translation>
    </message>
    <message>
        <source>查询</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
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
        <translation>Dados do CQ</translation>
    </message>
    <message>
        <source>质控品</source>
        <translation>Material de CQ</translation>
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
        <translation>Lote do CQ</translation>
    </message>
    <message>
        <source>科室</source>
        <translation>Departamento</translation>
    </message>
    <message>
        <source>检测时间</source>
        <translation>Hora do teste</translation>
    </message>
    <message>
        <source>检验者</source>
        <translation>Examinador</translation>
    </message>
    <message>
        <source>审核者</source>
        <translation>Revisor</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>删除项目</source>
        <translation>Excluir item</translation>
    </message>
    <message>
        <source>打印预览</source>
        <translation>Visualizar impressão</translation>
    </message>
    <message>
        <source>打印(F2)</source>
        <translation>Imprimir (F2)</translation>
    </message>
    <message>
        <source>导出PDF</source>
        <translation>Exportar PDF</translation>
    </message>
    <message>
        <source>导出Excel</source>
        <translation>Exportar Excel</translation>
    </message>
    <message>
        <source>编号</source>
        <translation>Nº</translation>
    </message>
    <message>
        <source>设备编号</source>
        <translation>ID do aparelho</translation>
    </message>
    <message>
        <source>项目</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>单位</source>
        <translation>Unidade</translation>
    </message>
    <message>
        <source>靶值</source>
        <translation>Valor-alvo</translation>
    </message>
    <message>
        <source>质控范围</source>
        <translation>Faixa do CQ</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>请选择一条质控记录</source>
        <translation>Selecione um registro de CQ</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Falha ao salvar</translation>
    </message>
    <message>
        <source>保存成功</source>
        <translation>Salvo com sucesso</translation>
    </message>
    <message>
        <source>确认删除吗？</source>
        <translation>Excluir a seleção?</translation>
    </message>
    <message>
        <source>删除失败</source>
        <translation>Falha ao excluir</translation>
    </message>
</context>
</TS>
