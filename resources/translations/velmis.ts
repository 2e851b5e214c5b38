<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>QApplication</name>
    <message>
        <source>Korvel-GSM Configurator</source>
        <translation>Конфигуратор Korvel-GSM</translation>
    </message>
</context>
</TS>
