<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="zh_CN">
<context>
    <name>Index</name>
    <message>
        <source>当前获取数据模式为 网络模式...</source>
        <translation>Modo de aquisição de dados: rede...</translation>
    </message>
    <message>
        <source>请先在账号管理页面录入账号信息！</source>
        <translation>Introduza primeiro uma conta de dispositivo na gestão de contas!</translation>
    </message>
    <message>
        <source>获取失败</source>
        <translation>Falha na obtenção</translation>
    </message>
    <message>
        <source>未连接到网络，请检查网络状态!</source>
        <translation>Sem ligação à rede, verifique o estado da rede!</translation>
    </message>
    <message>
        <source>数据获取失败</source>
        <translation>Falha na obtenção dos dados</translation>
    </message>
    <message>
        <source>设备：%1，账号或密码已更改，请重新录入正确的设备账号信息！</source>
        <translation>Dispositivo: %1, a conta ou a palavra-passe foi alterada, introduza novamente a conta correta do dispositivo!</translation>
    </message>
    <message>
        <source>设备：%1 的数据未能保存到本地数据库，未保存任何数据，请稍后重试！</source>
        <translation>Dispositivo: %1, não foi possível guardar os dados na base de dados local; nada foi guardado, tente novamente mais tarde!</translation>
    </message>
    <message>
        <source>数据已获取完毕！</source>
        <translation>Todos os dados foram obtidos!</translation>
    </message>
    <message>
        <source>暂无数据！</source>
        <translation>Sem dados novos!</translation>
    </message>
</context>
<context>
    <name>User</name>
    <message>
        <source>账号管理</source>
        <translation>Gestão de contas</translation>
    </message>
    <message>
        <source>录入分析仪的设备编号和密码，网络模式下将从云端获取这些设备的检测结果。</source>
        <translation>Introduza o número de série e a palavra-passe de cada analisador; no modo de rede os resultados são obtidos da nuvem.</translation>
    </message>
    <message>
        <source>设备编号：</source>
        <translation>Número de série:</translation>
    </message>
    <message>
        <source>设备密码：</source>
        <translation>Palavra-passe do dispositivo:</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>设备编号</source>
        <translation>Número de série</translation>
    </message>
    <message>
        <source>设备密码</source>
        <translation>Palavra-passe</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>请输入设备编号和密码！</source>
        <translation>Introduza o número de série e a palavra-passe!</translation>
    </message>
    <message>
        <source>该设备账号已存在！</source>
        <translation>Esta conta de dispositivo já existe!</translation>
    </message>
    <message>
        <source>请先选择要删除的账号！</source>
        <translation>Selecione primeiro a conta a eliminar!</translation>
    </message>
    <message>
        <source>确认删除设备账号 %1 吗？</source>
        <translation>Eliminar a conta de dispositivo %1?</translation>
    </message>
    <message>
        <source>失败</source>
        <translation>Falha</translation>
    </message>
    <message>
        <source>删除失败</source>
        <translation>Falha ao eliminar</translation>
    </message>
</context>
<context>
    <name>Upgrade</name>
    <message>
        <source>软件信息</source>
        <translation>Informações do software</translation>
    </message>
    <message>
        <source>当前版本：</source>
        <translation>Versão atual:</translation>
    </message>
    <message>
        <source>最新版本：</source>
        <translation>Versão mais recente:</translation>
    </message>
    <message>
        <source>检查更新</source>
        <translation>Procurar atualizações</translation>
    </message>
    <message>
        <source>下载新版本</source>
        <translation>Transferir nova versão</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>正在检查更新...</source>
        <translation>A procurar atualizações...</translation>
    </message>
    <message>
        <source>无法获取更新信息，请检查网络状态！</source>
        <translation>Não foi possível obter as informações de atualização, verifique o estado da rede!</translation>
    </message>
    <message>
        <source>发现新版本：%1</source>
        <translation>Nova versão disponível: %1</translation>
    </message>
    <message>
        <source>当前已是最新版本</source>
        <translation>Está a utilizar a versão mais recente</translation>
    </message>
</context>
</TS>
