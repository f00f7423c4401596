<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="zh_CN">
<context>
    <name>Animalsex</name>
    <message>
        <source>动物性别</source>
        <translation>Пол животного</translation>
    </message>
</context>
<context>
    <name>Clinical</name>
    <message>
        <source>临床意义</source>
        <translation>Клиническое значение</translation>
    </message>
</context>
<context>
    <name>Clinicaldiagnosis</name>
    <message>
        <source>临床诊断</source>
        <translation>Клинические диагнозы</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>帮助</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>Hospitalname</name>
    <message>
        <source>医院信息</source>
        <translation>Данные клиники</translation>
    </message>
    <message>
        <source>医院名称：</source>
        <translation>Название клиники:</translation>
    </message>
    <message>
        <source>地址：</source>
        <translation>Адрес:</translation>
    </message>
    <message>
        <source>电话：</source>
        <translation>Телефон:</translation>
    </message>
    <message>
        <source>邮箱：</source>
        <translation>Эл. почта:</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Отмена</translation>
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
        <source>提示</source>
        <translation>Сообщение</translation>
    </message>
    <message>
        <source>保存成功</source>
        <translation>Успешно сохранено</translation>
    </message>
</context>
<context>
    <name>Inspect</name>
    <message>
        <source>诊断备注</source>
        <translation>Примечания к диагнозу</translation>
    </message>
</context>
<context>
    <name>Inspector</name>
    <message>
        <source>检验人</source>
        <translation>Исполнители</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>语言设置</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>语言：</source>
        <translation>Язык:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Отмена</translation>
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
        <source>提示</source>
        <translation>Сообщение</translation>
    </message>
    <message>
        <source>保存成功</source>
        <translation>Успешно сохранено</translation>
    </message>
</context>
<context>
    <name>MyMessageBox</name>
    <message>
        <source>确定</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>PlaceholderWindow</name>
    <message>
        <source>生化管理平台</source>
        <translation>Платформа управления биохимией</translation>
    </message>
</context>
<context>
    <name>Referencevalue</name>
    <message>
        <source>项目名称</source>
        <translation>Названия показателей</translation>
    </message>
</context>
<context>
    <name>Reviewer</name>
    <message>
        <source>审核人</source>
        <translation>Проверяющие</translation>
    </message>
</context>
<context>
    <name>Sampletype</name>
    <message>
        <source>样本类型</source>
        <translation>Типы образцов</translation>
    </message>
</context>
<context>
    <name>Sendinspector</name>
    <message>
        <source>送检人</source>
        <translation>Направившие</translation>
    </message>
</context>
<context>
    <name>SettingDialog</name>
    <message>
        <source>系统设置</source>
        <translation>Настройки системы</translation>
    </message>
    <message>
        <source>常规设置</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>医院信息</source>
        <translation>Данные клиники</translation>
    </message>
    <message>
        <source>单位设置</source>
        <translation>Единицы</translation>
    </message>
    <message>
        <source>语言设置</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>数据源地区</source>
        <translation>Регион облака</translation>
    </message>
    <message>
        <source>打印设置</source>
        <translation>Параметры печати</translation>
    </message>
    <message>
        <source>项目隐藏设置</source>
        <translation>Скрытые показатели</translation>
    </message>
    <message>
        <source>字典维护</source>
        <translation>Справочники</translation>
    </message>
    <message>
        <source>科室</source>
        <translation>Отделения</translation>
    </message>
    <message>
        <source>临床诊断</source>
        <translation>Клинические диагнозы</translation>
    </message>
    <message>
        <source>诊断备注</source>
        <translation>Примечания к диагнозу</translation>
    </message>
    <message>
        <source>检验人</source>
        <translation>Исполнители</translation>
    </message>
    <message>
        <source>审核人</source>
        <translation>Проверяющие</translation>
    </message>
    <message>
        <source>样本类型</source>
        <translation>Типы образцов</translation>
    </message>
    <message>
        <source>送检人</source>
        <translation>Направившие</translation>
    </message>
    <message>
        <source>动物性别</source>
        <translation>Пол животного</translation>
    </message>
    <message>
        <source>项目名称</source>
        <translation>Названия показателей</translation>
    </message>
    <message>
        <source>临床意义</source>
        <translation>Клиническое значение</translation>
    </message>
    <message>
        <source>系统</source>
        <translation>Система</translation>
    </message>
    <message>
        <source>设备账号</source>
        <translation>Учётные записи устройств</translation>
    </message>
    <message>
        <source>软件信息</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>清除网络数据缓存</source>
        <translation>Очистить кэш сетевых данных</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Сообщение</translation>
    </message>
    <message>
        <source>确认清除网络数据缓存吗？</source>
        <translation>Очистить кэш сетевых данных?</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>清除失败</source>
        <translation>Не удалось очистить</translation>
    </message>
    <message>
        <source>清除成功</source>
        <translation>Успешно очищено</translation>
    </message>
</context>
<context>
    <name>SiUnit</name>
    <message>
        <source>单位设置</source>
        <translation>Единицы</translation>
    </message>
    <message>
        <source>结果单位</source>
        <translation>Единицы результатов</translation>
    </message>
    <message>
        <source>国际单位</source>
        <translation>Единицы СИ</translation>
    </message>
    <message>
        <source>常规单位</source>
        <translation>Традиционные единицы</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Отмена</translation>
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
        <source>提示</source>
        <translation>Сообщение</translation>
    </message>
    <message>
        <source>保存成功</source>
        <translation>Успешно сохранено</translation>
    </message>
</context>
<context>
    <name>Species</name>
    <message>
        <source>科室</source>
        <translation>Отделения</translation>
    </message>
</context>
<context>
    <name>dbresource</name>
    <message>
        <source>数据源地区</source>
        <translation>Регион облака</translation>
    </message>
    <message>
        <source>云服务器地区</source>
        <translation>Регион облачного сервера</translation>
    </message>
    <message>
        <source>中国区</source>
        <translation>Китай</translation>
    </message>
    <message>
        <source>海外区</source>
        <translation>Международный</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Отмена</translation>
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
        <source>提示</source>
        <translation>Сообщение</translation>
    </message>
    <message>
        <source>保存成功</source>
        <translation>Успешно сохранено</translation>
    </message>
</context>
<context>
    <name>dlgEditText</name>
    <message>
        <source>编辑</source>
        <translation>Редактировать</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>dlgSetProjectGroup</name>
    <message>
        <source>项目组：</source>
        <translation>Панель:</translation>
    </message>
    <message>
        <source>勾选的项目不在结果和报告中显示</source>
        <translation>Отмеченные показатели не отображаются в результатах и отчётах</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Отмена</translation>
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
        <source>提示</source>
        <translation>Сообщение</translation>
    </message>
    <message>
        <source>保存成功</source>
        <translation>Успешно сохранено</translation>
    </message>
</context>
<context>
    <name>dlgTableEditor</name>
    <message>
        <source>添加</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>放弃修改</source>
        <translation>Отменить изменения</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>项目</source>
        <translation>Показатель</translation>
    </message>
    <message>
        <source>临床意义</source>
        <translation>Клиническое значение</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Примечание</translation>
    </message>
    <message>
        <source>项目编号</source>
        <translation>Номер показателя</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Сообщение</translation>
    </message>
    <message>
        <source>放弃未保存的修改吗？</source>
        <translation>Отменить несохранённые изменения?</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>读取失败</source>
        <translation>Не удалось прочитать</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Не удалось сохранить</translation>
    </message>
    <message>
        <source>保存成功</source>
        <translation>Успешно сохранено</translation>
    </message>
    <message>
        <source>中文名称</source>
        <translation>Китайское название</translation>
    </message>
</context>
</TS>
