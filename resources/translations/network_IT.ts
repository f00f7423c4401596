<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="zh_CN">
<context>
    <name>Index</name>
    <message>
        <source>当前获取数据模式为 网络模式...</source>
        <translation>Modalità di acquisizione dati: rete...</translation>
    </message>
    <message>
        <source>请先在账号管理页面录入账号信息！</source>
        <translation>Inserire prima un account dispositivo nella gestione account!</translation>
    </message>
    <message>
        <source>获取失败</source>
        <translation>Recupero non riuscito</translation>
    </message>
    <message>
        <source>未连接到网络，请检查网络状态!</source>
        <translation>Non connesso alla rete, controllare lo stato della rete!</translation>
    </message>
    <message>
        <source>数据获取失败</source>
        <translation>Recupero dati non riuscito</translation>
    </message>
    <message>
        <source>设备：%1，账号或密码已更改，请重新录入正确的设备账号信息！</source>
        <translation>Dispositivo: %1, account o password modificati, inserire di nuovo l'account corretto del dispositivo!</translation>
    </message>
    <message>
        <source>设备：%1 的数据未能保存到本地数据库，未保存任何数据，请稍后重试！</source>
        <translation>Dispositivo: %1, impossibile salvare i dati nel database locale; non è stato salvato nulla, riprovare più tardi!</translation>
    </message>
    <message>
        <source>数据已获取完毕！</source>
        <translation>Tutti i dati sono stati recuperati!</translation>
    </message>
    <message>
        <source>暂无数据！</source>
        <translation>Nessun nuovo dato!</translation>
    </message>
</context>
<context>
    <name>User</name>
    <message>
        <source>账号管理</source>
        <translation>Gestione account</translation>
    </message>
    <message>
        <source>录入分析仪的设备编号和密码，网络模式下将从云端获取这些设备的检测结果。</source>
        <translation>Inserire numero di serie e password di ogni analizzatore; in modalità rete i risultati vengono recuperati dal cloud.</translation>
    </message>
    <message>
        <source>设备编号：</source>
        <translation>Numero di serie:</translation>
    </message>
    <message>
        <source>设备密码：</source>
        <translation>Password dispositivo:</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>设备编号</source>
        <translation>Numero di serie</translation>
    </message>
    <message>
        <source>设备密码</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>请输入设备编号和密码！</source>
        <translation>Inserire numero di serie e password!</translation>
    </message>
    <message>
        <source>该设备账号已存在！</source>
        <translation>Questo account dispositivo esiste già!</translation>
    </message>
    <message>
        <source>请先选择要删除的账号！</source>
        <translation>Selezionare prima l'account da eliminare!</translation>
    </message>
    <message>
        <source>确认删除设备账号 %1 吗？</source>
        <translation>Eliminare l'account dispositivo %1?</translation>
    </message>
    <message>
        <source>失败</source>
        <translation>Non riuscito</translation>
    </message>
    <message>
        <source>删除失败</source>
        <translation>Eliminazione non riuscita</translation>
    </message>
</context>
<context>
    <name>Upgrade</name>
    <message>
        <source>软件信息</source>
        <translation>Informazioni software</translation>
    </message>
    <message>
        <source>当前版本：</source>
        <translation>Versione attuale:</translation>
    </message>
    <message>
        <source>最新版本：</source>
        <translation>Ultima versione:</translation>
    </message>
    <message>
        <source>检查更新</source>
        <translation>Verifica aggiornamenti</translation>
    </message>
    <message>
        <source>下载新版本</source>
        <translation>Scarica nuova versione</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>正在检查更新...</source>
        <translation>Verifica aggiornamenti in corso...</translation>
    </message>
    <message>
        <source>无法获取更新信息，请检查网络状态！</source>
        <translation>Impossibile ottenere le informazioni di aggiornamento, controllare lo stato della rete!</translation>
    </message>
    <message>
        <source>发现新版本：%1</source>
        <translation>Nuova versione disponibile: %1</translation>
    </message>
    <message>
        <source>当前已是最新版本</source>
        <translation>Si sta usando l'ultima versione</translation>
    </message>
</context>
</TS>
