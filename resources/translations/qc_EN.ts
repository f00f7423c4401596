<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>RecycleBin</name>
    <message>
        <source>质控回收站</source>
        <translation>QC recycle bin</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>编号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>检测时间</source>
        <translation>Test time</translation>
    </message>
    <message>
        <source>质控品</source>
        <translation>QC material</translation>
    </message>
    <message>
        <source>质控批号</source>
        <translation>QC lot</translation>
    </message>
    <message>
        <source>科室</source>
        <translation>Department</translation>
    </message>
    <message>
        <source>设备编号</source>
        <translation>Device ID</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>请选择要恢复的记录</source>
        <translation>Please select the records to restore</translation>
    </message>
    <message>
        <source>确认恢复该记录？</source>
        <translation>Restore this record?</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>恢复失败</source>
        <translation>Restoring failed</translation>
    </message>
    <message>
        <source>恢复成功！</source>
        <translation>Restored!</translation>
    </message>
</context>
<context>
    <name>dlgQcQuery</name>
    <message>
        <source>质控查询</source>
        <translation>QC query</translation>
    </message>
    <message>
        <source>质控品</source>
        <translation>QC material</translation>
    </message>
    <message>
        <source>质控一</source>
        <translation>QC 1</translation>
    </message>
    <message>
        <source>质控二</source>
        <translation>QC 2</translation>
    </message>
    <message>
        <source>质控批号</source>
        <translation>QC lot</translation>
    </message>
    <message>
        <source>科室</source>
        <translation>Department</translation>
    </message>
    <message>
        <source>设备编号</source>
        <translation>Device ID</translation>
    </message>
    <message>
        <source>检测项目</source>
        <translation>Test item</translation>
    </message>
    <message>
        <source>开始日期</source>
        <translation>Start date</translation>
    </message>
    <message>
        <source>结束日期</source>
        <translation>End date</translation>
    </message>
    <message>
        <source>查询</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>wgtQcReport</name>
    <message>
        <source>质控</source>
        <translation>QC</translation>
    </message>
    <message>
        <source>质控信息</source>
        <translation>QC details</translation>
    </message>
    <message>
        <source>质控品</source>
        <translation>QC material</translation>
    </message>
    <message>
        <source>质控一</source>
        <translation>QC 1</translation>
    </message>
    <message>
        <source>质控二</source>
        <translation>QC 2</translation>
    </message>
    <message>
        <source>质控批号</source>
        <translation>QC lot</translation>
    </message>
    <message>
        <source>科室</source>
        <translation>Department</translation>
    </message>
    <message>
        <source>检测时间</source>
        <translation>Test time</translation>
    </message>
    <message>
        <source>检验者</source>
        <translation>Inspector</translation>
    </message>
    <message>
        <source>审核者</source>
        <translation>Reviewer</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>删除项目</source>
        <translation>Delete item</translation>
    </message>
    <message>
        <source>打印预览</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <source>打印(F2)</source>
        <translation>Print (F2)</translation>
    </message>
    <message>
        <source>导出PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>导出Excel</source>
        <translation>Export Excel</translation>
    </message>
    <message>
        <source>编号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>设备编号</source>
        <translation>Device ID</translation>
    </message>
    <message>
        <source>项目</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>单位</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>靶值</source>
        <translation>Target</translation>
    </message>
    <message>
        <source>质控范围</source>
        <translation>QC range</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>请选择一条质控记录</source>
        <translation>Please select a QC record</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Saving failed</translation>
    </message>
    <message>
        <source>保存成功</source>
        <translation>Saved</translation>
    </message>
    <message>
        <source>确认删除吗？</source>
        <translation>Delete the selection?</translation>
    </message>
    <message>
        <source>删除失败</source>
        <translation>Deleting failed</translation>
    </message>
</context>
</TS>
