<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name></name>
    <message id="Stashline">
        <source>Stashline</source>
        <translation>Stashline</translation>
    </message>
    <message id="share.favorites.title">
        <source>Favorites</source>
        <translation>Favoris</translation>
    </message>
    <message id="date.today">
        <source>Today</source>
        <translation>Aujourd’hui</translation>
    </message>
    <message id="date.yesterday">
        <source>Yesterday</source>
        <translation>Hier</translation>
    </message>
</context>
</TS>
