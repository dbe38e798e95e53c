<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name></name>
    <message id="Stashline">
        <source>Stashline</source>
        <translation>Stashline</translation>
    </message>
    <message id="share.favorites.title">
        <source>Favorites</source>
        <translation>お気に入り</translation>
    </message>
    <message id="date.today">
        <source>Today</source>
        <translation>今日</translation>
    </message>
    <message id="date.yesterday">
        <source>Yesterday</source>
        <translation>昨日</translation>
    </message>
    <!-- screens -->
    <message id="tab.shares">
        <source>Stash</source>
        <translation>保存リスト</translation>
    </message>
    <message id="tab.history">
        <source>History</source>
        <translation>履歴</translation>
    </message>
    <message id="tab.about">
        <source>About</source>
        <translation>情報</translation>
    </message>
    <message id="share.list.title.recent">
        <source>Recent</source>
        <translation>最近の項目</translation>
    </message>
    <message id="share.list.header.subtitle">
        <source>Notes, links and images to take along to your other devices.</source>
        <translation>ほかのデバイスへ持っていくメモ、リンク、画像です。</translation>
    </message>
    <message id="share.sync.banner.syncing">
        <source>Syncing with the cloud…</source>
        <translation>クラウドと同期しています…</translation>
    </message>
    <message id="share.sync.banner.failed">
        <source>Couldn't download from the cloud</source>
        <translation>クラウドからダウンロードできませんでした</translation>
    </message>
    <message id="share.sync.download.retry">
        <source>Try Again</source>
        <translation>再試行</translation>
    </message>
    <message id="share.list.empty.message">
        <source>Nothing saved yet. Add a note, a link or an image to have it on all your devices.</source>
        <translation>まだ何も保存されていません。メモやリンク、画像を追加すると、すべてのデバイスで使えます。</translation>
    </message>
    <message id="share.list.add.accessibility">
        <source>New Item</source>
        <translation>新しい項目</translation>
    </message>
    <message id="share.list.download.accessibility">
        <source>Download from the cloud</source>
        <translation>クラウドからダウンロード</translation>
    </message>
    <message id="Favorite">
        <source>Favorite</source>
        <translation>お気に入り</translation>
    </message>
    <message id="Unfavorite">
        <source>Unfavorite</source>
        <translation>お気に入りを解除</translation>
    </message>
    <message id="general.delete">
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message id="general.delete.confirmation.title">
        <source>Delete this item?</source>
        <translation>この項目を削除しますか？</translation>
    </message>
    <message id="general.delete.confirmation.message">
        <source>It will be removed from all your devices. This can't be undone.</source>
        <translation>すべてのデバイスから削除されます。この操作は取り消せません。</translation>
    </message>
    <message id="general.cancel">
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message id="general.add">
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message id="general.save">
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message id="general.copy">
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message id="general.open">
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message id="general.back">
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message id="share.history.title">
        <source>History</source>
        <translation>履歴</translation>
    </message>
    <message id="share.history.subtitle">
        <source>Items older than a few days, by the day they were saved.</source>
        <translation>数日以上前の項目を、保存した日ごとに表示します。</translation>
    </message>
    <message id="share.history.empty">
        <source>No history yet</source>
        <translation>履歴はまだありません</translation>
    </message>
    <message id="share.item.untitled">
        <source>Untitled</source>
        <translation>無題</translation>
    </message>
    <message id="share.row.image.memory">
        <source>Saved image</source>
        <translation>保存した画像</translation>
    </message>
    <message id="share.row.type.note">
        <source>Note</source>
        <translation>メモ</translation>
    </message>
    <message id="share.row.type.link">
        <source>Link</source>
        <translation>リンク</translation>
    </message>
    <message id="share.row.type.image">
        <source>Image</source>
        <translation>画像</translation>
    </message>
    <message id="share.row.return.before %1">
        <source>Return before %1</source>
        <translation>%1までに返却</translation>
    </message>
    <message id="share.row.saved %1">
        <source>Saved %1</source>
        <translation>%1に保存</translation>
    </message>
    <message id="share.sync.status.pending">
        <source>Waiting</source>
        <translation>待機中</translation>
    </message>
    <message id="share.sync.status.syncing">
        <source>Syncing</source>
        <translation>同期中</translation>
    </message>
    <message id="share.sync.status.synced">
        <source>Synced</source>
        <translation>同期済み</translation>
    </message>
    <message id="share.sync.status.failed">
        <source>Not synced</source>
        <translation>同期できませんでした</translation>
    </message>
    <message id="share.sync.retry">
        <source>Retry</source>
        <translation>再試行</translation>
    </message>
    <message id="share.composer.subtitle">
        <source>Write a note, paste a link or attach an image. It appears on your other devices in a moment.</source>
        <translation>メモを書く、リンクを貼り付ける、画像を添付する。まもなくほかのデバイスにも表示されます。</translation>
    </message>
    <message id="share.composer.title.label">
        <source>Title</source>
        <translation>タイトル</translation>
    </message>
    <message id="share.extension.title.placeholder">
        <source>Optional title</source>
        <translation>タイトル（任意）</translation>
    </message>
    <message id="share.composer.content.label">
        <source>Content</source>
        <translation>内容</translation>
    </message>
    <message id="share.list.quickAdd.placeholder">
        <source>Type a note or paste a link</source>
        <translation>メモを入力するか、リンクを貼り付け</translation>
    </message>
    <message id="share.composer.image.label">
        <source>Image</source>
        <translation>画像</translation>
    </message>
    <message id="share.list.add.image">
        <source>Choose Image</source>
        <translation>画像を選択</translation>
    </message>
    <message id="share.composer.favorite.accessibility">
        <source>Mark as favorite</source>
        <translation>お気に入りにする</translation>
    </message>
    <message id="share.composer.removeImage.accessibility">
        <source>Remove image</source>
        <translation>画像を削除</translation>
    </message>
    <message id="share.composer.imageFilter">
        <source>Images</source>
        <translation>画像</translation>
    </message>
    <message id="share.composer.drop.hint">
        <source>Drop an image here</source>
        <translation>ここに画像をドロップ</translation>
    </message>
    <message id="share.edit.title">
        <source>Edit Item</source>
        <translation>項目を編集</translation>
    </message>
    <message id="share.edit.subtitle">
        <source>Change the title, the content, the image or the favorite mark.</source>
        <translation>タイトル、内容、画像、お気に入りを変更できます。</translation>
    </message>
    <message id="share.edit.created_at">
        <source>Created</source>
        <translation>作成日時</translation>
    </message>
    <message id="share.edit.last_edited">
        <source>Last synced</source>
        <translation>最終同期</translation>
    </message>
    <message id="about.description">
        <source>Stashline keeps a short list of notes, links and images in step on all your devices.</source>
        <translation>Stashline は、メモ・リンク・画像の短いリストをすべてのデバイスでそろえておきます。</translation>
    </message>
    <message id="about.feedback">
        <source>Send Feedback</source>
        <translation>フィードバックを送信</translation>
    </message>
    <message id="about.feedback.subject">
        <source>Stashline - Support</source>
        <translation>Stashline - サポート</translation>
    </message>
    <message id="about.shareApp">
        <source>Share Stashline</source>
        <translation>Stashline を共有</translation>
    </message>
    <message id="about.share.copyLink">
        <source>Copy Link</source>
        <translation>リンクをコピー</translation>
    </message>
    <message id="about.share.email">
        <source>Send by E-mail</source>
        <translation>メールで送信</translation>
    </message>
    <message id="about.writeReview">
        <source>Write a Review</source>
        <translation>レビューを書く</translation>
    </message>
    <message id="about.helpCenter">
        <source>Help Center</source>
        <translation>ヘルプセンター</translation>
    </message>
    <message id="about.privacyPolicy">
        <source>Privacy Policy</source>
        <translation>プライバシーポリシー</translation>
    </message>
    <message id="about.termsOfUse">
        <source>Terms of Use</source>
        <translation>利用規約</translation>
    </message>
    <message id="about.otherApps">
        <source>More Apps</source>
        <translation>ほかのアプリ</translation>
    </message>
    <message id="about.view">
        <source>View</source>
        <translation>見る</translation>
    </message>
    <message id="about.viewAllApps">
        <source>View All Apps</source>
        <translation>すべてのアプリを見る</translation>
    </message>
    <message id="Stashline %1">
        <source>Stashline %1</source>
        <translation>Stashline %1</translation>
    </message>
</context>
</TS>
