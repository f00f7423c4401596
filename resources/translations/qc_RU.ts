<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="zh_CN">
<context>
    <name>RecycleBin</name>
    <message>
        <source>质控回收站</source>
        <translation>Корзина контроля</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>编号</source>
        <translation>№</translation>
    </message>
    <message>
        <source>检测时间</source>
        <translation>Время анализа</translation>
    </message>
    <message>
        <source>质控品</source>
        <translation>Контрольный материал</translation>
    </message>
    <message>
        <source>质控批号</source>
        <translation>Партия контроля</translation>
    </message>
    <message>
        <source>科室</source>
        <translation>Отделение</translation>
    </message>
    <message>
        <source>设备编号</source>
        <translation>ID прибора</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Сообщение</translation>
    </message>
    <message>
        <source>请选择要恢复的记录</source>
        <translation>Выберите записи для восстановления</translation>
    </message>
    <message>
        <source>确认恢复该记录？</source>
        <translation>Восстановить эту запись?</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>恢复失败</source>
        <translation>Не удалось восстановить</translation>
    </message>
    <message>
        <source>恢复成功！</source>
        <translation>Восстановлено!</translation>
    </message>
</context>
<context>
    <name>dlgQcQuery</name>
    <message>
        <source>质控查询</source>
        <translation>Поиск контроля</translation>
    </message>
    <message>
        <source>质控品</source>
        <translation>Контрольный материал</translation>
    </message>
    <message>
        <source>质控一</source>
        <translation>Контроль 1</translation>
    </message>
    <message>
        <source>质控二</source>
        <translation>Контроль 2</translation>
    </message>
    <message>
        <source>质控批号</source>
        <translation>Партия контроля</translation>
    </message>
    <message>
        <source>科室</source>
        <translation>Отделение</translation>
    </message>
    <message>
        <source>设备编号</source>
        <translation>ID прибора</translation>
    </message>
    <message>
        <source>检测项目</source>
        <translation>Показатель</translation>
    </message>
    <message>
        <source>开始日期</source>
        <translation>Дата начала</translation>
    </message>
    <message>
        <source>结束日期</source>
        <translation>Дата окончания</translation>
    </message>
    <message>
        <source>查询</source>
        <translation>Найти</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>wgtQcReport</name>
    <message>
        <source>质控</source>
        <translation>Контроль качества</translation>
    </message>
    <message>
        <source>质控信息</source>
        <translation>Данные контроля</translation>
    </message>
    <message>
        <source>质控品</source>
        <translation>Контрольный материал</translation>
    </message>
    <message>
        <source>质控一</source>
        <translation>Контроль 1</translation>
    </message>
    <message>
        <source>质控二</source>
        <translation>Контроль 2</translation>
    </message>
    <message>
        <source>质控批号</source>
        <translation>Партия контроля</translation>
    </message>
    <message>
        <source>科室</source>
        <translation>Отделение</translation>
    </message>
    <message>
        <source>检测时间</source>
        <translation>Время анализа</translation>
    </message>
    <message>
        <source>检验者</source>
        <translation>Исполнитель</translation>
    </message>
    <message>
        <source>审核者</source>
        <translation>Проверяющий</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>删除项目</source>
        <translation>Удалить показатель</translation>
    </message>
    <message>
        <source>打印预览</source>
        <translation>Предпросмотр</translation>
    </message>
    <message>
        <source>打印(F2)</source>
        <translation>Печать (F2)</translation>
    </message>
    <message>
        <source>导出PDF</source>
        <translation>Экспорт в PDF</translation>
    </message>
    <message>
        <source>导出Excel</source>
        <translation>Экспорт в Excel</translation>
    </message>
    <message>
        <source>编号</source>
        <translation>№</translation>
    </message>
    <message>
        <source>设备编号</source>
        <translation>ID прибора</translation>
    </message>
    <message>
        <source>项目</source>
        <translation>Показатель</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>单位</source>
        <translation>Ед. изм.</translation>
    </message>
    <message>
        <source>靶值</source>
        <translation>Целевое значение</translation>
    </message>
    <message>
        <source>质控范围</source>
        <translation>Диапазон контроля</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Сообщение</translation>
    </message>
    <message>
        <source>请选择一条质控记录</source>
        <translation>Выберите запись контроля</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Не удалось сохранить</translation>
    </message>
    <message>
        <source>保存成功</source>
        <translation>Сохранено</translation>
    </message>
    <message>
        <source>确认删除吗？</source>
        <translation>Удалить выбранное?</translation>
    </message>
    <message>
        <source>删除失败</source>
        <translation>Не удалось удалить</translation>
    </message>
</context>
</TS>
