<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="zh_CN">
<context>
    <name>Index</name>
    <message>
        <source>当前获取数据模式为 网络模式...</source>
        <translation>Режим получения данных: сеть...</translation>
    </message>
    <message>
        <source>请先在账号管理页面录入账号信息！</source>
        <translation>Сначала добавьте учётную запись прибора в управлении учётными записями!</translation>
    </message>
    <message>
        <source>获取失败</source>
        <translation>Не удалось получить данные</translation>
    </message>
    <message>
        <source>未连接到网络，请检查网络状态!</source>
        <translation>Нет подключения к сети, проверьте состояние сети!</translation>
    </message>
    <message>
        <source>数据获取失败</source>
        <translation>Не удалось получить данные</translation>
    </message>
    <message>
        <source>设备：%1，账号或密码已更改，请重新录入正确的设备账号信息！</source>
        <translation>Прибор: %1, учётная запись или пароль изменены, введите правильные данные учётной записи прибора!</translation>
    </message>
    <message>
        <source>设备：%1 的数据未能保存到本地数据库，未保存任何数据，请稍后重试！</source>
        <translation>Прибор: %1, данные не удалось сохранить в локальной базе; ничего не сохранено, повторите попытку позже!</translation>
    </message>
    <message>
        <source>数据已获取完毕！</source>
        <translation>Все данные получены!</translation>
    </message>
    <message>
        <source>暂无数据！</source>
        <translation>Новых данных нет!</translation>
    </message>
</context>
<context>
    <name>User</name>
    <message>
        <source>账号管理</source>
        <translation>Управление учётными записями</translation>
    </message>
    <message>
        <source>录入分析仪的设备编号和密码，网络模式下将从云端获取这些设备的检测结果。</source>
        <translation>Введите серийный номер и пароль каждого анализатора; в сетевом режиме их результаты загружаются из облака.</translation>
    </message>
    <message>
        <source>设备编号：</source>
        <translation>Серийный номер:</translation>
    </message>
    <message>
        <source>设备密码：</source>
        <translation>Пароль прибора:</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>设备编号</source>
        <translation>Серийный номер</translation>
    </message>
    <message>
        <source>设备密码</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Уведомление</translation>
    </message>
    <message>
        <source>请输入设备编号和密码！</source>
        <translation>Введите серийный номер и пароль!</translation>
    </message>
    <message>
        <source>该设备账号已存在！</source>
        <translation>Эта учётная запись прибора уже существует!</translation>
    </message>
    <message>
        <source>请先选择要删除的账号！</source>
        <translation>Сначала выберите учётную запись для удаления!</translation>
    </message>
    <message>
        <source>确认删除设备账号 %1 吗？</source>
        <translation>Удалить учётную запись прибора %1?</translation>
    </message>
    <message>
        <source>失败</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>删除失败</source>
        <translation>Не удалось удалить</translation>
    </message>
</context>
<context>
    <name>Upgrade</name>
    <message>
        <source>软件信息</source>
        <translation>Сведения о программе</translation>
    </message>
    <message>
        <source>当前版本：</source>
        <translation>Текущая версия:</translation>
    </message>
    <message>
        <source>最新版本：</source>
        <translation>Последняя версия:</translation>
    </message>
    <message>
        <source>检查更新</source>
        <translation>Проверить обновления</translation>
    </message>
    <message>
        <source>下载新版本</source>
        <translation>Скачать новую версию</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>正在检查更新...</source>
        <translation>Проверка обновлений...</translation>
    </message>
    <message>
        <source>无法获取更新信息，请检查网络状态！</source>
        <translation>Не удалось получить сведения об обновлении, проверьте состояние сети!</translation>
    </message>
    <message>
        <source>发现新版本：%1</source>
        <translation>Доступна новая версия: %1</translation>
    </message>
    <message>
        <source>当前已是最新版本</source>
        <translation>Установлена последняя версия</translation>
    </message>
</context>
</TS>
