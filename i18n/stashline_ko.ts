<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name></name>
    <message id="Stashline">
        <source>Stashline</source>
        <translation>Stashline</translation>
    </message>
    <message id="share.favorites.title">
        <source>Favorites</source>
        <translation>즐겨찾기</translation>
    </message>
    <message id="date.today">
        <source>Today</source>
        <translation>오늘</translation>
    </message>
    <message id="date.yesterday">
        <source>Yesterday</source>
        <translation>어제</translation>
    </message>
</context>
</TS>
