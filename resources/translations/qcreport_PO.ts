<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
<context>
    <name>T</name>
    <message>
        <source>生化分析仪质控报告单</source>
        <translation>Relatório de CQ do analisador bioquímico</translation>
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
        <translation>Este resultado não pode ser lido; nenhum relatório foi criado.</translation>
    </message>
    <message>
        <source>文件无法写入，请检查路径或关闭正在使用该文件的程序：%1</source>
        <translation>Não é possível gravar o ficheiro. Verifique o caminho ou feche o programa que o está a usar: %1</translation>
    </message>
    <message>
        <source>请勾选打印报告</source>
        <translation>Marque os relatórios a imprimir</translation>
    </message>
    <message>
        <source>确认打印吗？</source>
        <translation>Imprimir agora?</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>以下结果无法读取，未打印：%1</source>
        <translation>Estes resultados não podem ser lidos e não foram impressos: %1</translation>
    </message>
    <message>
        <source>Save Text</source>
        <translation>Guardar como</translation>
    </message>
</context>
<context>
    <name>PrintPreviewQc</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>结果提示选择</source>
        <translation>Indicação do resultado</translation>
    </message>
    <message>
        <source>图表</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>Seta</translation>
    </message>
    <message>
        <source>报表选择</source>
        <translation>Formato do relatório</translation>
    </message>
    <message>
        <source>A5横向打印</source>
        <translation>A5 paisagem</translation>
    </message>
    <message>
        <source>A4打印</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>可选项</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>上传logo</source>
        <translation>Carregar logotipo</translation>
    </message>
    <message>
        <source>字号：</source>
        <translation>Tamanho da fonte:</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Pré-visualizar</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>失败</source>
        <translation>Falha</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Falha ao salvar</translation>
    </message>
    <message>
        <source>成功</source>
        <translation>Sucesso</translation>
    </message>
    <message>
        <source>保存成功</source>
        <translation>Salvo</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir arquivo</translation>
    </message>
</context>
</TS>
