<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="zh_CN">
<context>
    <name>Index</name>
    <message>
        <source>当前获取数据模式为 网络模式...</source>
        <translation>Veri alma modu: ağ...</translation>
    </message>
    <message>
        <source>请先在账号管理页面录入账号信息！</source>
        <translation>Lütfen önce hesap yönetiminde bir cihaz hesabı girin!</translation>
    </message>
    <message>
        <source>获取失败</source>
        <translation>Alma başarısız</translation>
    </message>
    <message>
        <source>未连接到网络，请检查网络状态!</source>
        <translation>Ağa bağlı değil, lütfen ağ durumunu kontrol edin!</translation>
    </message>
    <message>
        <source>数据获取失败</source>
        <translation>Veri alma başarısız</translation>
    </message>
    <message>
        <source>设备：%1，账号或密码已更改，请重新录入正确的设备账号信息！</source>
        <translation>Cihaz: %1, hesap veya şifre değişti, lütfen doğru cihaz hesabını yeniden girin!</translation>
    </message>
    <message>
        <source>设备：%1 的数据未能保存到本地数据库，未保存任何数据，请稍后重试！</source>
        <translation>Cihaz: %1, veriler yerel veritabanına kaydedilemedi; hiçbir şey kaydedilmedi, lütfen daha sonra yeniden deneyin!</translation>
    </message>
    <message>
        <source>数据已获取完毕！</source>
        <translation>Tüm veriler alındı!</translation>
    </message>
    <message>
        <source>暂无数据！</source>
        <translation>Yeni veri yok!</translation>
    </message>
</context>
<context>
    <name>User</name>
    <message>
        <source>账号管理</source>
        <translation>Hesap yönetimi</translation>
    </message>
    <message>
        <source>录入分析仪的设备编号和密码，网络模式下将从云端获取这些设备的检测结果。</source>
        <translation>Her analizörün seri numarasını ve şifresini girin; ağ modunda sonuçları buluttan alınır.</translation>
    </message>
    <message>
        <source>设备编号：</source>
        <translation>Seri numarası:</translation>
    </message>
    <message>
        <source>设备密码：</source>
        <translation>Cihaz şifresi:</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Ekle</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>设备编号</source>
        <translation>Seri numarası</translation>
    </message>
    <message>
        <source>设备密码</source>
        <translation>Şifre</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Bilgi</translation>
    </message>
    <message>
        <source>请输入设备编号和密码！</source>
        <translation>Lütfen seri numarasını ve şifreyi girin!</translation>
    </message>
    <message>
        <source>该设备账号已存在！</source>
        <translation>Bu cihaz hesabı zaten var!</translation>
    </message>
    <message>
        <source>请先选择要删除的账号！</source>
        <translation>Lütfen önce silinecek hesabı seçin!</translation>
    </message>
    <message>
        <source>确认删除设备账号 %1 吗？</source>
        <translation>%1 cihaz hesabı silinsin mi?</translation>
    </message>
    <message>
        <source>失败</source>
        <translation>Başarısız</translation>
    </message>
    <message>
        <source>删除失败</source>
        <translation>Silme başarısız</translation>
    </message>
</context>
<context>
    <name>Upgrade</name>
    <message>
        <source>软件信息</source>
        <translation>Yazılım bilgisi</translation>
    </message>
    <message>
        <source>当前版本：</source>
        <translation>Geçerli sürüm:</translation>
    </message>
    <message>
        <source>最新版本：</source>
        <translation>En son sürüm:</translation>
    </message>
    <message>
        <source>检查更新</source>
        <translation>Güncellemeleri denetle</translation>
    </message>
    <message>
        <source>下载新版本</source>
        <translation>Yeni sürümü indir</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>正在检查更新...</source>
        <translation>Güncellemeler denetleniyor...</translation>
    </message>
    <message>
        <source>无法获取更新信息，请检查网络状态！</source>
        <translation>Güncelleme bilgisi alınamadı, lütfen ağ durumunu kontrol edin!</translation>
    </message>
    <message>
        <source>发现新版本：%1</source>
        <translation>Yeni sürüm mevcut: %1</translation>
    </message>
    <message>
        <source>当前已是最新版本</source>
        <translation>En son sürümü kullanıyorsunuz</translation>
    </message>
</context>
</TS>
