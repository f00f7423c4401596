<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>Index</name>
    <message>
        <source>当前获取数据模式为 网络模式...</source>
        <translation>Data acquisition mode: network...</translation>
    </message>
    <message>
        <source>请先在账号管理页面录入账号信息！</source>
        <translation>Please enter a device account in account management first!</translation>
    </message>
    <message>
        <source>获取失败</source>
        <translation>Retrieval failed</translation>
    </message>
    <message>
        <source>未连接到网络，请检查网络状态!</source>
        <translation>Not connected to the network, please check the network status!</translation>
    </message>
    <message>
        <source>数据获取失败</source>
        <translation>Data retrieval failed</translation>
    </message>
    <message>
        <source>设备：%1，账号或密码已更改，请重新录入正确的设备账号信息！</source>
        <translation>Device: %1, the account or password has changed, please enter the correct device account again!</translation>
    </message>
    <message>
        <source>设备：%1 的数据未能保存到本地数据库，未保存任何数据，请稍后重试！</source>
        <translation>Device: %1, the data could not be saved to the local database; nothing was saved, please try again later!</translation>
    </message>
    <message>
        <source>数据已获取完毕！</source>
        <translation>All data has been retrieved!</translation>
    </message>
    <message>
        <source>暂无数据！</source>
        <translation>No new data!</translation>
    </message>
</context>
<context>
    <name>User</name>
    <message>
        <source>账号管理</source>
        <translation>Account management</translation>
    </message>
    <message>
        <source>录入分析仪的设备编号和密码，网络模式下将从云端获取这些设备的检测结果。</source>
        <translation>Enter the serial number and password of each analyzer; in network mode their results are retrieved from the cloud.</translation>
    </message>
    <message>
        <source>设备编号：</source>
        <translation>Serial number:</translation>
    </message>
    <message>
        <source>设备密码：</source>
        <translation>Device password:</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>设备编号</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <source>设备密码</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>请输入设备编号和密码！</source>
        <translation>Please enter the serial number and the password!</translation>
    </message>
    <message>
        <source>该设备账号已存在！</source>
        <translation>This device account already exists!</translation>
    </message>
    <message>
        <source>请先选择要删除的账号！</source>
        <translation>Please select the account to delete first!</translation>
    </message>
    <message>
        <source>确认删除设备账号 %1 吗？</source>
        <translation>Delete the device account %1?</translation>
    </message>
    <message>
        <source>失败</source>
        <translation>Failed</translation>
    </message>
    <message>
        <source>删除失败</source>
        <translation>Delete failed</translation>
    </message>
</context>
<context>
    <name>Upgrade</name>
    <message>
        <source>软件信息</source>
        <translation>Software information</translation>
    </message>
    <message>
        <source>当前版本：</source>
        <translation>Current version:</translation>
    </message>
    <message>
        <source>最新版本：</source>
        <translation>Latest version:</translation>
    </message>
    <message>
        <source>检查更新</source>
        <translation>Check for updates</translation>
    </message>
    <message>
        <source>下载新版本</source>
        <translation>Download new version</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>正在检查更新...</source>
        <translation>Checking for updates...</translation>
    </message>
    <message>
        <source>无法获取更新信息，请检查网络状态！</source>
        <translation>Cannot get the update information, please check the network status!</translation>
    </message>
    <message>
        <source>发现新版本：%1</source>
        <translation>New version available: %1</translation>
    </message>
    <message>
        <source>当前已是最新版本</source>
        <translation>You are using the latest version</translation>
    </message>
</context>
</TS>
