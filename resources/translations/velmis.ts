<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ru_RU">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Версия:</translation>
    </message>
    <message>
        <source>&lt;p&gt;Ardanet, 2019-2026&lt;br&gt;Phone: +7 000 000-00-00&lt;br&gt;&lt;a href="https://ardanet.example"&gt;ardanet.example&lt;/a&gt; &amp;middot; &lt;a href="mailto:support@ardanet.example"&gt;support@ardanet.example&lt;/a&gt;&lt;/p&gt;</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>DirectionSettings</name>
    <message>
        <source>Direction %1</source>
        <translation>Направление %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Connect the device or open a configuration file.</source>
        <translation>Подключите устройство или откройте файл конфигурации.</translation>
    </message>
</context>
<context>
    <name>MessageBoxU</name>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
</context>
<context>
    <name>Overmind</name>
    <message>
        <source>Failed to open the file.</source>
        <translation>Не удалось открыть файл.</translation>
    </message>
    <message>
        <source>The configuration file contains errors in Json format.</source>
        <translation>Файл конфигурации содержит ошибки формата Json.</translation>
    </message>
</context>
<context>
    <name>QApplication</name>
    <message>
        <source>Korvel-GSM Configurator</source>
        <translation>Конфигуратор Korvel-GSM</translation>
    </message>
</context>
<context>
    <name>Storable</name>
    <message>
        <source>Could not write the configuration file %1.</source>
        <translation>Не удалось записать файл конфигурации %1.</translation>
    </message>
</context>
<context>
    <name>WaitForm</name>
    <message>
        <source>Please wait</source>
        <translation>Пожалуйста, подождите</translation>
    </message>
    <message>
        <source>The configuration is loaded into the device.</source>
        <translation>Конфигурация загружается в устройство.</translation>
    </message>
    <message>
        <source>Please wait and do not turn off the device.</source>
        <translation>Пожалуйста, подождите и не выключайте устройство.</translation>
    </message>
</context>
</TS>