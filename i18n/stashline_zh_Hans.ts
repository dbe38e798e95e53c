<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name></name>
    <message id="Stashline">
        <source>Stashline</source>
        <translation>Stashline</translation>
    </message>
    <message id="share.favorites.title">
        <source>Favorites</source>
        <translation>收藏</translation>
    </message>
    <message id="date.today">
        <source>Today</source>
        <translation>今天</translation>
    </message>
    <message id="date.yesterday">
        <source>Yesterday</source>
        <translation>昨天</translation>
    </message>
</context>
</TS>
