<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="zh_CN">
<context>
    <name>Animalsex</name>
    <message>
        <source>动物性别</source>
        <translation>Sesso animale</translation>
    </message>
</context>
<context>
    <name>Clinical</name>
    <message>
        <source>临床意义</source>
        <translation>Significato clinico</translation>
    </message>
</context>
<context>
    <name>Clinicaldiagnosis</name>
    <message>
        <source>临床诊断</source>
        <translation>Diagnosi cliniche</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>帮助</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>Hospitalname</name>
    <message>
        <source>医院信息</source>
        <translation>Dati della clinica</translation>
    </message>
    <message>
        <source>医院名称：</source>
        <translation>Nome della clinica:</translation>
    </message>
    <message>
        <source>地址：</source>
        <translation>Indirizzo:</translation>
    </message>
    <message>
        <source>电话：</source>
        <translation>Telefono:</translation>
    </message>
    <message>
        <source>邮箱：</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Salvataggio non riuscito</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>保存成功</source>
        <translation>Salvato correttamente</translation>
    </message>
</context>
<context>
    <name>Inspect</name>
    <message>
        <source>诊断备注</source>
        <translation>Note diagnostiche</translation>
    </message>
</context>
<context>
    <name>Inspector</name>
    <message>
        <source>检验人</source>
        <translation>Esecutori</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>语言设置</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>语言：</source>
        <translation>Lingua:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Salvataggio non riuscito</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>保存成功</source>
        <translation>Salvato correttamente</translation>
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
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>PlaceholderWindow</name>
    <message>
        <source>生化管理平台</source>
        <translation>Piattaforma di gestione biochimica</translation>
    </message>
</context>
<context>
    <name>Referencevalue</name>
    <message>
        <source>项目名称</source>
        <translation>Nomi degli esami</translation>
    </message>
</context>
<context>
    <name>Reviewer</name>
    <message>
        <source>审核人</source>
        <translation>Revisori</translation>
    </message>
</context>
<context>
    <name>Sampletype</name>
    <message>
        <source>样本类型</source>
        <translation>Tipi di campione</translation>
    </message>
</context>
<context>
    <name>Sendinspector</name>
    <message>
        <source>送检人</source>
        <translation>Richiedenti</translation>
    </message>
</context>
<context>
    <name>SettingDialog</name>
    <message>
        <source>系统设置</source>
        <translation>Impostazioni di sistema</translation>
    </message>
    <message>
        <source>常规设置</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>医院信息</source>
        <translation>Dati della clinica</translation>
    </message>
    <message>
        <source>单位设置</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>语言设置</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>数据源地区</source>
        <translation>Regione cloud</translation>
    </message>
    <message>
        <source>打印设置</source>
        <translation>Impostazioni di stampa</translation>
    </message>
    <message>
        <source>项目隐藏设置</source>
        <translation>Esami nascosti</translation>
    </message>
    <message>
        <source>字典维护</source>
        <translation>Elenchi</translation>
    </message>
    <message>
        <source>科室</source>
        <translation>Reparti</translation>
    </message>
    <message>
        <source>临床诊断</source>
        <translation>Diagnosi cliniche</translation>
    </message>
    <message>
        <source>诊断备注</source>
        <translation>Note diagnostiche</translation>
    </message>
    <message>
        <source>检验人</source>
        <translation>Esecutori</translation>
    </message>
    <message>
        <source>审核人</source>
        <translation>Revisori</translation>
    </message>
    <message>
        <source>样本类型</source>
        <translation>Tipi di campione</translation>
    </message>
    <message>
        <source>送检人</source>
        <translation>Richiedenti</translation>
    </message>
    <message>
        <source>动物性别</source>
        <translation>Sesso animale</translation>
    </message>
    <message>
        <source>项目名称</source>
        <translation>Nomi degli esami</translation>
    </message>
    <message>
        <source>临床意义</source>
        <translation>Significato clinico</translation>
    </message>
    <message>
        <source>系统</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>设备账号</source>
        <translation>Account dispositivi</translation>
    </message>
    <message>
        <source>软件信息</source>
        <translation>Informazioni sul software</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>清除网络数据缓存</source>
        <translation>Svuota cache dati di rete</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>确认清除网络数据缓存吗？</source>
        <translation>Svuotare la cache dei dati di rete?</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>清除失败</source>
        <translation>Svuotamento non riuscito</translation>
    </message>
    <message>
        <source>清除成功</source>
        <translation>Svuotata correttamente</translation>
    </message>
</context>
<context>
    <name>SiUnit</name>
    <message>
        <source>单位设置</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>结果单位</source>
        <translation>Unità dei risultati</translation>
    </message>
    <message>
        <source>国际单位</source>
        <translation>Unità SI</translation>
    </message>
    <message>
        <source>常规单位</source>
        <translation>Unità convenzionali</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Salvataggio non riuscito</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>保存成功</source>
        <translation>Salvato correttamente</translation>
    </message>
</context>
<context>
    <name>Species</name>
    <message>
        <source>科室</source>
        <translation>Reparti</translation>
    </message>
</context>
<context>
    <name>dbresource</name>
    <message>
        <source>数据源地区</source>
        <translation>Regione cloud</translation>
    </message>
    <message>
        <source>云服务器地区</source>
        <translation>Regione del server cloud</translation>
    </message>
    <message>
        <source>中国区</source>
        <translation>Cina</translation>
    </message>
    <message>
        <source>海外区</source>
        <translation>Internazionale</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Salvataggio non riuscito</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>保存成功</source>
        <translation>Salvato correttamente</translation>
    </message>
</context>
<context>
    <name>dlgEditText</name>
    <message>
        <source>编辑</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>dlgSetProjectGroup</name>
    <message>
        <source>项目组：</source>
        <translation>Profilo:</translation>
    </message>
    <message>
        <source>勾选的项目不在结果和报告中显示</source>
        <translation>Gli esami spuntati non compaiono nei risultati e nei referti</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Salvataggio non riuscito</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>保存成功</source>
        <translation>Salvato correttamente</translation>
    </message>
</context>
<context>
    <name>dlgTableEditor</name>
    <message>
        <source>添加</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>放弃修改</source>
        <translation>Annulla modifiche</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>项目</source>
        <translation>Esame</translation>
    </message>
    <message>
        <source>临床意义</source>
        <translation>Significato clinico</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>项目编号</source>
        <translation>Numero esame</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>放弃未保存的修改吗？</source>
        <translation>Annullare le modifiche non salvate?</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>读取失败</source>
        <translation>Lettura non riuscita</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Salvataggio non riuscito</translation>
    </message>
    <message>
        <source>保存成功</source>
        <translation>Salvato correttamente</translation>
    </message>
    <message>
        <source>中文名称</source>
        <translation>Nome cinese</translation>
    </message>
</context>
</TS>
