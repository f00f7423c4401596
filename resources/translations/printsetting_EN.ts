<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>PrintPreview</name>
    <message>
        <source>打印设置</source>
        <translation>Print settings</translation>
    </message>
    <message>
        <source>检测</source>
        <translation>Tests</translation>
    </message>
    <message>
        <source>质控</source>
        <translation>QC</translation>
    </message>
    <message>
        <source>上传logo</source>
        <translation>Upload logo</translation>
    </message>
    <message>
        <source>字号：</source>
        <translation>Font size:</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>结果提示选择</source>
        <translation>Result hint</translation>
    </message>
    <message>
        <source>图表</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>Arrow</translation>
    </message>
    <message>
        <source>报表选择</source>
        <translation>Report format</translation>
    </message>
    <message>
        <source>其它格式</source>
        <translation>Other format</translation>
    </message>
    <message>
        <source>A5横向打印</source>
        <translation>A5 landscape</translation>
    </message>
    <message>
        <source>A4打印</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>A4临床意义打印</source>
        <translation>A4 with clinical significance</translation>
    </message>
    <message>
        <source>可选项</source>
        <translation>Optional items</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Open File</translation>
    </message>
</context>
<context>
    <name>T</name>
    <message>
        <source>责任声明</source>
        <translation>Disclaimer</translation>
    </message>
</context>
</TS>
