<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="zh_CN">
<context>
    <name>Index</name>
    <message>
        <source>当前获取数据模式为 网络模式...</source>
        <translation>Modo de adquisición de datos: red...</translation>
    </message>
    <message>
        <source>请先在账号管理页面录入账号信息！</source>
        <translation>¡Introduzca primero una cuenta de dispositivo en la gestión de cuentas!</translation>
    </message>
    <message>
        <source>获取失败</source>
        <translation>Error al obtener</translation>
    </message>
    <message>
        <source>未连接到网络，请检查网络状态!</source>
        <translation>Sin conexión a la red, compruebe el estado de la red.</translation>
    </message>
    <message>
        <source>数据获取失败</source>
        <translation>Error al obtener los datos</translation>
    </message>
    <message>
        <source>设备：%1，账号或密码已更改，请重新录入正确的设备账号信息！</source>
        <translation>Dispositivo: %1, la cuenta o la contraseña ha cambiado, ¡introduzca de nuevo la cuenta correcta del dispositivo!</translation>
    </message>
    <message>
        <source>设备：%1 的数据未能保存到本地数据库，未保存任何数据，请稍后重试！</source>
        <translation>Dispositivo: %1, no se pudieron guardar los datos en la base de datos local; no se guardó nada, ¡inténtelo más tarde!</translation>
    </message>
    <message>
        <source>数据已获取完毕！</source>
        <translation>¡Se han obtenido todos los datos!</translation>
    </message>
    <message>
        <source>暂无数据！</source>
        <translation>¡No hay datos nuevos!</translation>
    </message>
</context>
<context>
    <name>User</name>
    <message>
        <source>账号管理</source>
        <translation>Gestión de cuentas</translation>
    </message>
    <message>
        <source>录入分析仪的设备编号和密码，网络模式下将从云端获取这些设备的检测结果。</source>
        <translation>Introduzca el número de serie y la contraseña de cada analizador; en modo red sus resultados se obtienen de la nube.</translation>
    </message>
    <message>
        <source>设备编号：</source>
        <translation>Número de serie:</translation>
    </message>
    <message>
        <source>设备密码：</source>
        <translation>Contraseña del dispositivo:</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>设备编号</source>
        <translation>Número de serie</translation>
    </message>
    <message>
        <source>设备密码</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>请输入设备编号和密码！</source>
        <translation>¡Introduzca el número de serie y la contraseña!</translation>
    </message>
    <message>
        <source>该设备账号已存在！</source>
        <translation>¡Esta cuenta de dispositivo ya existe!</translation>
    </message>
    <message>
        <source>请先选择要删除的账号！</source>
        <translation>¡Seleccione primero la cuenta que desea eliminar!</translation>
    </message>
    <message>
        <source>确认删除设备账号 %1 吗？</source>
        <translation>¿Eliminar la cuenta de dispositivo %1?</translation>
    </message>
    <message>
        <source>失败</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>删除失败</source>
        <translation>Error al eliminar</translation>
    </message>
</context>
<context>
    <name>Upgrade</name>
    <message>
        <source>软件信息</source>
        <translation>Información del software</translation>
    </message>
    <message>
        <source>当前版本：</source>
        <translation>Versión actual:</translation>
    </message>
    <message>
        <source>最新版本：</source>
        <translation>Última versión:</translation>
    </message>
    <message>
        <source>检查更新</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>下载新版本</source>
        <translation>Descargar nueva versión</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>正在检查更新...</source>
        <translation>Buscando actualizaciones...</translation>
    </message>
    <message>
        <source>无法获取更新信息，请检查网络状态！</source>
        <translation>No se pudo obtener la información de actualización, ¡compruebe el estado de la red!</translation>
    </message>
    <message>
        <source>发现新版本：%1</source>
        <translation>Nueva versión disponible: %1</translation>
    </message>
    <message>
        <source>当前已是最新版本</source>
        <translation>Está usando la última versión</translation>
    </message>
</context>
</TS>
