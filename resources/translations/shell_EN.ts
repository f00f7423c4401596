<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>Animalsex</name>
    <message>
        <source>动物性别</source>
        <translation>Animal sex</translation>
    </message>
</context>
<context>
    <name>Clinical</name>
    <message>
        <source>临床意义</source>
        <translation>Clinical significance</translation>
    </message>
</context>
<context>
    <name>Clinicaldiagnosis</name>
    <message>
        <source>临床诊断</source>
        <translation>Clinical diagnoses</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>Hospitalname</name>
    <message>
        <source>医院信息</source>
        <translation>Clinic details</translation>
    </message>
    <message>
        <source>医院名称：</source>
        <translation>Clinic name:</translation>
    </message>
    <message>
        <source>地址：</source>
        <translation>Address:</translation>
    </message>
    <message>
        <source>电话：</source>
        <translation>Phone:</translation>
    </message>
    <message>
        <source>邮箱：</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Inspect</name>
    <message>
        <source>诊断备注</source>
        <translation>Diagnosis remarks</translation>
    </message>
</context>
<context>
    <name>Inspector</name>
    <message>
        <source>检验人</source>
        <translation>Inspectors</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>语言设置</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>语言：</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
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
        <translation>Cancel</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>保存成功</source>
        <translation>Saved successfully</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Saving failed</translation>
    </message>
</context>
<context>
    <name>Referencevalue</name>
    <message>
        <source>项目名称</source>
        <translation>Test item names</translation>
    </message>
</context>
<context>
    <name>Reviewer</name>
    <message>
        <source>审核人</source>
        <translation>Reviewers</translation>
    </message>
</context>
<context>
    <name>Sampletype</name>
    <message>
        <source>样本类型</source>
        <translation>Sample types</translation>
    </message>
</context>
<context>
    <name>Sendinspector</name>
    <message>
        <source>送检人</source>
        <translation>Senders</translation>
    </message>
</context>
<context>
    <name>SettingDialog</name>
    <message>
        <source>系统设置</source>
        <translation>System settings</translation>
    </message>
    <message>
        <source>常规设置</source>
        <translation>General</translation>
    </message>
    <message>
        <source>医院信息</source>
        <translation>Clinic details</translation>
    </message>
    <message>
        <source>单位设置</source>
        <translation>Units</translation>
    </message>
    <message>
        <source>语言设置</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>数据源地区</source>
        <translation>Cloud region</translation>
    </message>
    <message>
        <source>打印设置</source>
        <translation>Print settings</translation>
    </message>
    <message>
        <source>字典维护</source>
        <translation>Lists</translation>
    </message>
    <message>
        <source>科室</source>
        <translation>Departments</translation>
    </message>
    <message>
        <source>临床诊断</source>
        <translation>Clinical diagnoses</translation>
    </message>
    <message>
        <source>诊断备注</source>
        <translation>Diagnosis remarks</translation>
    </message>
    <message>
        <source>检验人</source>
        <translation>Inspectors</translation>
    </message>
    <message>
        <source>审核人</source>
        <translation>Reviewers</translation>
    </message>
    <message>
        <source>样本类型</source>
        <translation>Sample types</translation>
    </message>
    <message>
        <source>送检人</source>
        <translation>Senders</translation>
    </message>
    <message>
        <source>动物性别</source>
        <translation>Animal sex</translation>
    </message>
    <message>
        <source>项目名称</source>
        <translation>Test item names</translation>
    </message>
    <message>
        <source>临床意义</source>
        <translation>Clinical significance</translation>
    </message>
    <message>
        <source>系统</source>
        <translation>System</translation>
    </message>
    <message>
        <source>设备账号</source>
        <translation>Device accounts</translation>
    </message>
    <message>
        <source>软件信息</source>
        <translation>Software information</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>清除网络数据缓存</source>
        <translation>Clear network data cache</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>确认清除网络数据缓存吗？</source>
        <translation>Clear the network data cache?</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>清除失败</source>
        <translation>Clearing failed</translation>
    </message>
    <message>
        <source>清除成功</source>
        <translation>Cleared successfully</translation>
    </message>
    <message>
        <source>盘片项目配置</source>
        <translation>Panel item settings</translation>
    </message>
</context>
<context>
    <name>SiUnit</name>
    <message>
        <source>单位设置</source>
        <translation>Units</translation>
    </message>
    <message>
        <source>结果单位</source>
        <translation>Result units</translation>
    </message>
    <message>
        <source>国际单位</source>
        <translation>SI units</translation>
    </message>
    <message>
        <source>常规单位</source>
        <translation>Conventional units</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Species</name>
    <message>
        <source>科室</source>
        <translation>Departments</translation>
    </message>
</context>
<context>
    <name>dbresource</name>
    <message>
        <source>数据源地区</source>
        <translation>Cloud region</translation>
    </message>
    <message>
        <source>云服务器地区</source>
        <translation>Cloud server region</translation>
    </message>
    <message>
        <source>中国区</source>
        <translation>China</translation>
    </message>
    <message>
        <source>海外区</source>
        <translation>International</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>dlgEditText</name>
    <message>
        <source>编辑</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>dlgSetProjectGroup</name>
    <message>
        <source>项目组：</source>
        <translation>Panel:</translation>
    </message>
    <message>
        <source>勾选的项目不在结果和报告中显示</source>
        <translation>Ticked test items are not shown in results and reports</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>dlgTableEditor</name>
    <message>
        <source>添加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>放弃修改</source>
        <translation>Discard changes</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>项目</source>
        <translation>Test item</translation>
    </message>
    <message>
        <source>临床意义</source>
        <translation>Clinical significance</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Remark</translation>
    </message>
    <message>
        <source>项目编号</source>
        <translation>Item number</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>放弃未保存的修改吗？</source>
        <translation>Discard the unsaved changes?</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>读取失败</source>
        <translation>Reading failed</translation>
    </message>
    <message>
        <source>中文名称</source>
        <translation>Chinese name</translation>
    </message>
</context>
</TS>
