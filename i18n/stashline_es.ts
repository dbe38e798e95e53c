<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name></name>
    <message id="Stashline">
        <source>Stashline</source>
        <translation>Stashline</translation>
    </message>
    <message id="share.favorites.title">
        <source>Favorites</source>
        <translation>Favoritos</translation>
    </message>
    <message id="date.today">
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message id="date.yesterday">
        <source>Yesterday</source>
        <translation>Ayer</translation>
    </message>
</context>
</TS>
