<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
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
        <source>&lt;p&gt;Ardanet, 2019-2026&lt;br&gt;Phone: +7 000 000-00-00&lt;br&gt;&lt;a href=&quot;https://ardanet.example&quot;&gt;ardanet.example&lt;/a&gt; &amp;middot; &lt;a href=&quot;mailto:support@ardanet.example&quot;&gt;support@ardanet.example&lt;/a&gt;&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
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
    <name>HIDDeviceFinder</name>
    <message>
        <source>Disable HID device find timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable HID device find timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device hang, please reconnect.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New device connected: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VID: %1  PID: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manufacturer: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Product: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>Unknown event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown partition event: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown external power state</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LineCopyWidget</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Loader</name>
    <message>
        <source>Failed to load configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to retry?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LocalOut</name>
    <message>
        <source>There is no event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown event: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LocalOut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local out %1 updating from JSON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard Events Handle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ext Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temp Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Humidity Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CO Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current output event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out fault state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outputs settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To configure</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LoginWidget</name>
    <message>
        <source>Authorization required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only Latin letters and numbers are allowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Login:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remember login and password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forgot password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If there is a GSM network, the password will be sent to your phone number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password reminder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access denied. Please ensure that device case is open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Loop</name>
    <message>
        <source>0 kOhm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 kOhm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>


%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loop is enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loop is disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Security</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Water</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation type="unfinished"></translation>
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
    <message>
        <source>Critical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
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
    <message>
        <source>Managing user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no connected device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device is already connected. You can&apos;t connect to the device twice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No write permissions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>partition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iButton</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>beeper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>leds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wireless</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gsm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>loop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ethernet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compatibility errors found in:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is necessary to set the correct time in the device. The difference with the system time is more than a minute (%1 seconds)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration cannot be loaded if there are locked partitions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration loading</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Partition</name>
    <message>
        <source>Partition # %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Executive devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Halvor devices</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Protocol</name>
    <message>
        <source>Start of flash erasing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update core</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update boot loader</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop updating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Initialization of writing Web</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start of firmware (e_FwId=%1) writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Web</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User authorization %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio analysis (mode %1) started for device %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio analysis (mode %1) stopped for device %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer 0x%1 dropped: %2 bytes of payload, %3 expected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty message dropped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer 0x%1 dropped: %2 bytes, shorter than the message header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel status ignored: no layout for execution %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update complete %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update device %1 started %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware could not be written to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pop-up Usb message simple text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance request answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown pop-up Usb message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknow error 0x%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error writing partition settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error fw update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error writing user from configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Journal entry %1 still unreadable after %2 attempts</source>
        <translation type="unfinished"></translation>
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
    <name>QObject</name>
    <message>
        <source>False</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>True</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtBoolEdit</name>
    <message>
        <source>False</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>True</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtBoolPropertyManager</name>
    <message>
        <source>False</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>True</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtCharEdit</name>
    <message>
        <source>Clear Char</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtColorEditWidget</name>
    <message>
        <source>...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtColorPropertyManager</name>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtCursorDatabase</name>
    <message>
        <source>Arrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cross</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IBeam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size Vertical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size Horizontal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size Backslash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size Slash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split Vertical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split Horizontal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pointing Hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forbidden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closed Hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What&apos;s This</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Busy</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtFontEditWidget</name>
    <message>
        <source>...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Font</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtFontPropertyManager</name>
    <message>
        <source>Family</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Underline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strikeout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kerning</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtKeySequenceEdit</name>
    <message>
        <source>Clear Shortcut</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtLocalePropertyManager</name>
    <message>
        <source>%1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtPointFPropertyManager</name>
    <message>
        <source>(%1, %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtPointPropertyManager</name>
    <message>
        <source>(%1, %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtPropertyBrowserUtils</name>
    <message>
        <source>[%1, %2, %3] (%4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[%1, %2]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtRectFPropertyManager</name>
    <message>
        <source>[(%1, %2), %3 x %4]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtRectPropertyManager</name>
    <message>
        <source>[(%1, %2), %3 x %4]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtSizeFPropertyManager</name>
    <message>
        <source>%1 x %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtSizePolicyPropertyManager</name>
    <message>
        <source>&lt;Invalid&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[%1, %2, %3, %4]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal Policy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical Policy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal Stretch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical Stretch</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtSizePropertyManager</name>
    <message>
        <source>%1 x %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtTreePropertyBrowser</name>
    <message>
        <source>Property</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Sensor</name>
    <message>
        <source>Invalid type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>id: %1
sw: %2  hw: %3

%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loop low res.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loop high res.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Break in the water sensor loop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 dBm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>good</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not supported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. %2
Статус: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.KorvelGSMR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take delay less than work interval. For correct device work need install take delay bigger or equal work interval.
Do you really want to enable energy saving mode?
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want to enable energy saving mode?
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take delay will be turned on%1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and its value will be increased</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
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
    <name>UdpListener</name>
    <message>
        <source>Ignored &quot;close&quot; from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignored &quot;message&quot; from %1</source>
        <translation type="unfinished"></translation>
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
<context>
    <name>ZoneType</name>
    <message>
        <source>Not set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Security</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Water</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
