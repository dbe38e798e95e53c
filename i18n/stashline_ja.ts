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
</context>
</TS>
