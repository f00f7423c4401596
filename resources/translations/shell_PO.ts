<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="zh_CN">
<context>
    <name>Animalsex</name>
    <message>
        <source>动物性别</source>
        <translation>Sexo do animal</translation>
    </message>
</context>
<context>
    <name>Clinical</name>
    <message>
        <source>临床意义</source>
        <translation>Significado clínico</translation>
    </message>
</context>
<context>
    <name>Clinicaldiagnosis</name>
    <message>
        <source>临床诊断</source>
        <translation>Diagnósticos clínicos</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>帮助</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>Hospitalname</name>
    <message>
        <source>医院信息</source>
        <translation>Dados da clínica</translation>
    </message>
    <message>
        <source>医院名称：</source>
        <translation>Nome da clínica:</translation>
    </message>
    <message>
        <source>地址：</source>
        <translation>Morada:</translation>
    </message>
    <message>
        <source>电话：</source>
        <translation>Telefone:</translation>
    </message>
    <message>
        <source>邮箱：</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Falha ao guardar</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>保存成功</source>
        <translation>Guardado com sucesso</translation>
    </message>
</context>
<context>
    <name>Inspect</name>
    <message>
        <source>诊断备注</source>
        <translation>Observações de diagnóstico</translation>
    </message>
</context>
<context>
    <name>Inspector</name>
    <message>
        <source>检验人</source>
        <translation>Analistas</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>语言设置</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>语言：</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Falha ao guardar</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>保存成功</source>
        <translation>Guardado com sucesso</translation>
    </message>
</context>
<context>
    <name>MyMessageBox</name>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>PlaceholderWindow</name>
    <message>
        <source>生化管理平台</source>
        <translation>Plataforma de gestão bioquímica</translation>
    </message>
</context>
<context>
    <name>Referencevalue</name>
    <message>
        <source>项目名称</source>
        <translation>Nomes dos exames</translation>
    </message>
</context>
<context>
    <name>Reviewer</name>
    <message>
        <source>审核人</source>
        <translation>Revisores</translation>
    </message>
</context>
<context>
    <name>Sampletype</name>
    <message>
        <source>样本类型</source>
        <translation>Tipos de amostra</translation>
    </message>
</context>
<context>
    <name>Sendinspector</name>
    <message>
        <source>送检人</source>
        <translation>Requisitantes</translation>
    </message>
</context>
<context>
    <name>SettingDialog</name>
    <message>
        <source>系统设置</source>
        <translation>Definições do sistema</translation>
    </message>
    <message>
        <source>常规设置</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>医院信息</source>
        <translation>Dados da clínica</translation>
    </message>
    <message>
        <source>单位设置</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>语言设置</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>数据源地区</source>
        <translation>Região da nuvem</translation>
    </message>
    <message>
        <source>打印设置</source>
        <translation>Definições de impressão</translation>
    </message>
    <message>
        <source>项目隐藏设置</source>
        <translation>Exames ocultos</translation>
    </message>
    <message>
        <source>字典维护</source>
        <translation>Listas</translation>
    </message>
    <message>
        <source>科室</source>
        <translation>Departamentos</translation>
    </message>
    <message>
        <source>临床诊断</source>
        <translation>Diagnósticos clínicos</translation>
    </message>
    <message>
        <source>诊断备注</source>
        <translation>Observações de diagnóstico</translation>
    </message>
    <message>
        <source>检验人</source>
        <translation>Analistas</translation>
    </message>
    <message>
        <source>审核人</source>
        <translation>Revisores</translation>
    </message>
    <message>
        <source>样本类型</source>
        <translation>Tipos de amostra</translation>
    </message>
    <message>
        <source>送检人</source>
        <translation>Requisitantes</translation>
    </message>
    <message>
        <source>动物性别</source>
        <translation>Sexo do animal</translation>
    </message>
    <message>
        <source>项目名称</source>
        <translation>Nomes dos exames</translation>
    </message>
    <message>
        <source>临床意义</source>
        <translation>Significado clínico</translation>
    </message>
    <message>
        <source>系统</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>设备账号</source>
        <translation>Contas de dispositivos</translation>
    </message>
    <message>
        <source>软件信息</source>
        <translation>Informações do software</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>清除网络数据缓存</source>
        <translation>Limpar cache de dados de rede</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>确认清除网络数据缓存吗？</source>
        <translation>Limpar a cache de dados de rede?</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>清除失败</source>
        <translation>Falha ao limpar</translation>
    </message>
    <message>
        <source>清除成功</source>
        <translation>Limpo com sucesso</translation>
    </message>
</context>
<context>
    <name>SiUnit</name>
    <message>
        <source>单位设置</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>结果单位</source>
        <translation>Unidades dos resultados</translation>
    </message>
    <message>
        <source>国际单位</source>
        <translation>Unidades SI</translation>
    </message>
    <message>
        <source>常规单位</source>
        <translation>Unidades convencionais</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Falha ao guardar</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>保存成功</source>
        <translation>Guardado com sucesso</translation>
    </message>
</context>
<context>
    <name>Species</name>
    <message>
        <source>科室</source>
        <translation>Departamentos</translation>
    </message>
</context>
<context>
    <name>dbresource</name>
    <message>
        <source>数据源地区</source>
        <translation>Região da nuvem</translation>
    </message>
    <message>
        <source>云服务器地区</source>
        <translation>Região do servidor na nuvem</translation>
    </message>
    <message>
        <source>中国区</source>
        <translation>China</translation>
    </message>
    <message>
        <source>海外区</source>
        <translation>Internacional</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Falha ao guardar</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>保存成功</source>
        <translation>Guardado com sucesso</translation>
    </message>
</context>
<context>
    <name>dlgEditText</name>
    <message>
        <source>编辑</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>dlgSetProjectGroup</name>
    <message>
        <source>项目组：</source>
        <translation>Painel:</translation>
    </message>
    <message>
        <source>勾选的项目不在结果和报告中显示</source>
        <translation>Os exames assinalados não aparecem nos resultados nem nos relatórios</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Falha ao guardar</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>保存成功</source>
        <translation>Guardado com sucesso</translation>
    </message>
</context>
<context>
    <name>dlgTableEditor</name>
    <message>
        <source>添加</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>放弃修改</source>
        <translation>Descartar alterações</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>项目</source>
        <translation>Exame</translation>
    </message>
    <message>
        <source>临床意义</source>
        <translation>Significado clínico</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Observação</translation>
    </message>
    <message>
        <source>项目编号</source>
        <translation>Número do exame</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>放弃未保存的修改吗？</source>
        <translation>Descartar as alterações não guardadas?</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>读取失败</source>
        <translation>Falha na leitura</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Falha ao guardar</translation>
    </message>
    <message>
        <source>保存成功</source>
        <translation>Guardado com sucesso</translation>
    </message>
    <message>
        <source>中文名称</source>
        <translation>Nome chinês</translation>
    </message>
</context>
</TS>
