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
        <translation>&lt;p&gt;Ardanet, 2019-2026&lt;br&gt;Телефон: +7 000 000-00-00&lt;br&gt;&lt;a href=&quot;https://ardanet.example&quot;&gt;ardanet.example&lt;/a&gt; &amp;middot; &lt;a href=&quot;mailto:support@ardanet.example&quot;&gt;support@ardanet.example&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>AssertLogView</name>
    <message>
        <source>Save debug journal</source>
        <translation>Сохранить журнал отладки</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>Текст (*.txt)</translation>
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
    <name>FactoryResetWidget</name>
    <message>
        <source>Warning! All settings will be lost!</source>
        <translation>Внимание! Все настройки будут потеряны!</translation>
    </message>
    <message>
        <source>Restoring factory settings</source>
        <translation>Восстановление заводских настроек</translation>
    </message>
    <message>
        <source>Factory reset</source>
        <translation>Сброс к заводским настройкам</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Подтвердить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Restoring factory settings. Do not turn off device.</source>
        <translation>Восстановление заводских настроек. Не выключайте устройство.</translation>
    </message>
</context>
<context>
    <name>GSMSettingsWidget</name>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
</context>
<context>
    <name>GSMStatusWidget</name>
    <message>
        <source>Off</source>
        <translation>Выключен</translation>
    </message>
    <message>
        <source>Test SMS</source>
        <translation>Тестовое SMS</translation>
    </message>
    <message>
        <source>GSM power</source>
        <translation>Питание GSM</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Включен</translation>
    </message>
</context>
<context>
    <name>HIDDeviceFinder</name>
    <message>
        <source>Disable HID device find timer</source>
        <translation>Отключение таймера поиска HID-устройств</translation>
    </message>
    <message>
        <source>Enable HID device find timer</source>
        <translation>Включение таймера поиска HID-устройств</translation>
    </message>
    <message>
        <source>Device hang, please reconnect.</source>
        <translation>Устройство зависло, переподключите его.</translation>
    </message>
    <message>
        <source>New device connected: %1</source>
        <translation>Подключено новое устройство: %1</translation>
    </message>
    <message>
        <source>VID: %1  PID: %2</source>
        <translation>VID: %1  PID: %2</translation>
    </message>
    <message>
        <source>Manufacturer: %1</source>
        <translation>Производитель: %1</translation>
    </message>
    <message>
        <source>Product: %1</source>
        <translation>Продукт: %1</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>Unknown event</source>
        <translation>Неизвестное событие</translation>
    </message>
    <message>
        <source>Unknown partition event: %1</source>
        <translation>Неизвестное событие раздела: %1</translation>
    </message>
    <message>
        <source>Unknown external power state</source>
        <translation>Неизвестное состояние внешнего питания</translation>
    </message>
</context>
<context>
    <name>JournalWidget</name>
    <message>
        <source>Read all</source>
        <translation>Прочитать все</translation>
    </message>
</context>
<context>
    <name>KorvelConfigWidget</name>
    <message>
        <source>Configuration</source>
        <translation>Конфигурация</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Название:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Дата:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation type="unfinished">Версия:</translation>
    </message>
    <message>
        <source>Execution:</source>
        <translation>Исполнение:</translation>
    </message>
    <message>
        <source>Modification:</source>
        <translation>Модификация:</translation>
    </message>
    <message>
        <source>Serial number:</source>
        <translation>Серийный номер:</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Выбрать все</translation>
    </message>
    <message>
        <source>Deselect all</source>
        <translation>Снять выделение</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Включить</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Объект</translation>
    </message>
    <message>
        <source>DateTime</source>
        <translation>Дата и время</translation>
    </message>
    <message>
        <source>iButtonConfig</source>
        <translation>Настройки iButton</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Устройство</translation>
    </message>
    <message>
        <source>Leds</source>
        <translation>Светодиоды</translation>
    </message>
    <message>
        <source>Beeper</source>
        <translation>Зуммер</translation>
    </message>
    <message>
        <source>Ethernet</source>
        <translation>Ethernet</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Беспроводная связь</translation>
    </message>
    <message>
        <source>GSM</source>
        <translation>GSM</translation>
    </message>
    <message>
        <source>OutputGroups</source>
        <translation>Группы выходов</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Раздел</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>Датчики</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>loop</source>
        <translation>шлейф</translation>
    </message>
    <message>
        <source>Directions</source>
        <translation>Направления</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>Пользователи</translation>
    </message>
    <message>
        <source>IButtons</source>
        <translation>Ключи iButton</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Кнопки</translation>
    </message>
    <message>
        <source>Beeperes</source>
        <translation>Зуммеры</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Шлейф</translation>
    </message>
    <message>
        <source>Timestamp</source>
        <translation>Метка времени</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>Execution</source>
        <translation>Исполнение</translation>
    </message>
    <message>
        <source>Modification</source>
        <translation>Модификация</translation>
    </message>
    <message>
        <source>SerialNumber</source>
        <translation>Серийный номер</translation>
    </message>
    <message>
        <source>%1 configuration</source>
        <translation>Конфигурация %1</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>Сохранение</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Загрузка</translation>
    </message>
    <message>
        <source>Unknown format: %1.</source>
        <translation>Неизвестный формат: %1.</translation>
    </message>
    <message>
        <source>In configuration not found keyes:
%1</source>
        <translation>В конфигурации не найдены ключи:
%1</translation>
    </message>
    <message>
        <source>Local out</source>
        <translation>Локальный выход</translation>
    </message>
    <message>
        <source>Invalid type</source>
        <translation>Неверный тип</translation>
    </message>
    <message>
        <source>%1 (admin)*</source>
        <translation>%1 (администратор)*</translation>
    </message>
    <message>
        <source>Executive devices</source>
        <translation>Исполнительные устройства</translation>
    </message>
    <message>
        <source>Partitions (Sensors need to be reconnected)</source>
        <translation>Разделы (датчики необходимо подключить заново)</translation>
    </message>
    <message>
        <source>, %1 devices</source>
        <translation>, устройств: %1</translation>
    </message>
    <message>
        <source>Note!!! After loading sensors that were connected to another device, the sensor settings will be loaded, but in order for them to communicate, they will need to be reconnected to the device again.</source>
        <translation>Внимание!!! После загрузки датчиков, которые были подключены к другому устройству, настройки датчиков будут загружены, но для установления связи их необходимо заново подключить к устройству.</translation>
    </message>
    <message>
        <source>You must select at least one parameter to apply the settings.</source>
        <translation>Для применения настроек необходимо выбрать хотя бы один параметр.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished">Предупреждение</translation>
    </message>
    <message>
        <source>You must select at least one administrator to apply the settings.</source>
        <translation>Для применения настроек необходимо выбрать хотя бы одного администратора.</translation>
    </message>
</context>
<context>
    <name>LineCopyWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Текст:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>Loader</name>
    <message>
        <source>Failed to load configuration</source>
        <translation>Не удалось загрузить конфигурацию</translation>
    </message>
    <message>
        <source>Do you want to retry?</source>
        <translation>Повторить попытку?</translation>
    </message>
</context>
<context>
    <name>LocalOut</name>
    <message>
        <source>There is no event</source>
        <translation>Нет события</translation>
    </message>
    <message>
        <source>Unknown event: %1</source>
        <translation>Неизвестное событие: %1</translation>
    </message>
    <message>
        <source>Check...</source>
        <translation>Проверка...</translation>
    </message>
    <message>
        <source>LocalOut</source>
        <translation>Локальный выход</translation>
    </message>
    <message>
        <source>Local out</source>
        <translation>Локальный выход</translation>
    </message>
    <message>
        <source>Local out %1 updating from JSON</source>
        <translation>Обновление локального выхода %1 из JSON</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Отключен</translation>
    </message>
    <message>
        <source>Standard Events Handle</source>
        <translation>Обработка стандартных событий</translation>
    </message>
    <message>
        <source>Ext Control</source>
        <translation>Внешнее управление</translation>
    </message>
    <message>
        <source>Temp Control</source>
        <translation>Управление по температуре</translation>
    </message>
    <message>
        <source>Humidity Control</source>
        <translation>Управление по влажности</translation>
    </message>
    <message>
        <source>CO Control</source>
        <translation>Управление по уровню CO</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Режим</translation>
    </message>
    <message>
        <source>Out state</source>
        <translation>Состояние выхода</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Включен</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выключен</translation>
    </message>
    <message>
        <source>Current output event</source>
        <translation>Текущее событие выхода</translation>
    </message>
    <message>
        <source>Out fault state</source>
        <translation>Неисправность выхода</translation>
    </message>
    <message>
        <source>Outputs settings</source>
        <translation>Настройки выходов</translation>
    </message>
    <message>
        <source>To configure</source>
        <translation>Настроить</translation>
    </message>
</context>
<context>
    <name>LoginWidget</name>
    <message>
        <source>Authorization required</source>
        <translation>Требуется авторизация</translation>
    </message>
    <message>
        <source>Only Latin letters and numbers are allowed</source>
        <translation>Допускаются только латинские буквы и цифры</translation>
    </message>
    <message>
        <source>Login:</source>
        <translation>Логин:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Пароль:</translation>
    </message>
    <message>
        <source>Remember login and password</source>
        <translation>Запомнить логин и пароль</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Войти</translation>
    </message>
    <message>
        <source>Forgot password</source>
        <translation>Забыли пароль</translation>
    </message>
    <message>
        <source>If there is a GSM network, the password will be sent to your phone number</source>
        <translation>При наличии сети GSM пароль будет отправлен на ваш номер телефона</translation>
    </message>
    <message>
        <source>Password reminder</source>
        <translation>Напоминание пароля</translation>
    </message>
    <message>
        <source>Wrong password</source>
        <translation>Неверный пароль</translation>
    </message>
    <message>
        <source>Access denied. Please ensure that device case is open.</source>
        <translation>Доступ запрещён. Убедитесь, что корпус устройства открыт.</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Доступ запрещён</translation>
    </message>
</context>
<context>
    <name>Loop</name>
    <message>
        <source>0 kOhm</source>
        <translation>0 кОм</translation>
    </message>
    <message>
        <source>%1 kOhm</source>
        <translation>%1 кОм</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Шлейф</translation>
    </message>
    <message>
        <source>


%1</source>
        <translation>


%1</translation>
    </message>
    <message>
        <source>Loop is enabled</source>
        <translation>Шлейф включен</translation>
    </message>
    <message>
        <source>Loop is disabled</source>
        <translation>Шлейф выключен</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Не задан</translation>
    </message>
    <message>
        <source>Not sensor</source>
        <translation>Не датчик</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Охранная</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Тревожная</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Входная</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Пожарная</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Протечка воды</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Zone type</source>
        <translation>Тип зоны</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Раздел</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>Основные</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Включен</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Звонок</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Выключен</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>Сопротивление</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Объект</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Устройство</translation>
    </message>
    <message>
        <source>IButtons reader</source>
        <translation>Считыватель iButton</translation>
    </message>
    <message>
        <source>Light Indication</source>
        <translation>Световая индикация</translation>
    </message>
    <message>
        <source>Sound Indication</source>
        <translation>Звуковая индикация</translation>
    </message>
    <message>
        <source>Ethernet</source>
        <translation>Ethernet</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Радио</translation>
    </message>
    <message>
        <source>GSM</source>
        <translation>GSM</translation>
    </message>
    <message>
        <source>Output groups</source>
        <translation>Группы выходов</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Отладка</translation>
    </message>
    <message>
        <source>Configuration file </source>
        <translation>Файл конфигурации </translation>
    </message>
    <message>
        <source>The device not connected!</source>
        <translation>Устройство не подключено!</translation>
    </message>
    <message>
        <source>Device connected</source>
        <translation>Устройство подключено</translation>
    </message>
    <message>
        <source>Device not connected!</source>
        <translation>Устройство не подключено!</translation>
    </message>
    <message>
        <source>The device is discovered!</source>
        <translation>Устройство обнаружено!</translation>
    </message>
    <message>
        <source>The device is being updated. Stop updating and close the application?</source>
        <translation>Выполняется обновление устройства. Прервать обновление и закрыть приложение?</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>Loading settings</source>
        <translation>Загрузка настроек</translation>
    </message>
    <message>
        <source>Settings loaded</source>
        <translation>Настройки загружены</translation>
    </message>
    <message>
        <source>Realtime view</source>
        <translation>Просмотр в реальном времени</translation>
    </message>
    <message>
        <source>Journal</source>
        <translation>Журнал</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Обновление</translation>
    </message>
    <message>
        <source>Changing settings is only available when all sections are untaken</source>
        <translation>Изменение настроек доступно, только когда все разделы сняты с охраны</translation>
    </message>
    <message>
        <source>Invalid settings, please enter the correct APN</source>
        <translation>Неверные настройки, введите правильный APN</translation>
    </message>
    <message>
        <source>Settings was changed</source>
        <translation>Настройки были изменены</translation>
    </message>
    <message>
        <source>Do you want to save changes?</source>
        <translation>Сохранить изменения?</translation>
    </message>
    <message>
        <source>No devices were detected. The Configurator is available in configuration view mode. Do you want to open file?</source>
        <translation>Устройства не обнаружены. Конфигуратор доступен в режиме просмотра конфигурации. Открыть файл?</translation>
    </message>
    <message>
        <source>Please select settings file</source>
        <translation>Выберите файл настроек</translation>
    </message>
    <message>
        <source>To write settings, you must log in as default administrator (%1).</source>
        <translation>Для записи настроек необходимо войти как администратор по умолчанию (%1).</translation>
    </message>
    <message>
        <source>Settings load</source>
        <translation>Загрузка настроек</translation>
    </message>
    <message>
        <source>The configuration cannot be saved because the Administrator(s) does not have a phone number.</source>
        <translation>Невозможно сохранить конфигурацию: у администратора(ов) не указан номер телефона.</translation>
    </message>
    <message>
        <source>Configuration loading</source>
        <translation>Загрузка конфигурации</translation>
    </message>
    <message>
        <source>Set the path to save the configuration to a file</source>
        <translation>Укажите путь для сохранения конфигурации в файл</translation>
    </message>
    <message>
        <source>Settings has been saved</source>
        <translation>Настройки сохранены</translation>
    </message>
    <message>
        <source>Settings save</source>
        <translation>Сохранение настроек</translation>
    </message>
    <message>
        <source>Debug log saved into %1</source>
        <translation>Журнал отладки сохранён в %1</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>MainWindow</source>
        <translation>Главное окно</translation>
    </message>
    <message>
        <source>Toggle config</source>
        <translation>Переключить конфигурацию</translation>
    </message>
    <message>
        <source>Load settings</source>
        <translation>Загрузить настройки</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Сохранить настройки</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished">О программе</translation>
    </message>
    <message>
        <source>Authorize</source>
        <translation>Авторизоваться</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Отключиться</translation>
    </message>
    <message>
        <source>Viewing configuration from a file</source>
        <translation>Просмотр конфигурации из файла</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Перезагрузить</translation>
    </message>
    <message>
        <source>Reset to default</source>
        <translation>Сбросить настройки</translation>
    </message>
    <message>
        <source>Reset to factory settings</source>
        <translation>Сбросить к заводским настройкам</translation>
    </message>
    <message>
        <source>Read debug log</source>
        <translation>Прочитать журнал отладки</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Устройства</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Каналы</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>Пользователи</translation>
    </message>
    <message>
        <source>IButtons</source>
        <translation>Ключи iButton</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Debug tools</source>
        <translation>Средства отладки</translation>
    </message>
    <message>
        <source>Debug journal</source>
        <translation>Журнал отладки</translation>
    </message>
    <message>
        <source>Console</source>
        <translation>Консоль</translation>
    </message>
    <message>
        <source>Log level</source>
        <translation>Уровень журналирования</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished">Предупреждение</translation>
    </message>
    <message>
        <source>Trace</source>
        <translation>Трассировка</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Сообщение</translation>
    </message>
    <message>
        <source>Modules:</source>
        <translation>Модули:</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Logs</source>
        <translation>Журналы</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>menuFile</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>menuDevice</source>
        <translation>Устройство</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>menuAbout</source>
        <translation>О программе</translation>
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
        <translation>Критическая ошибка</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
</context>
<context>
    <name>ObjectSettingsWidget</name>
    <message>
        <source> sec</source>
        <translation> с</translation>
    </message>
    <message>
        <source>Reset to default</source>
        <translation>Сбросить настройки</translation>
    </message>
    <message>
        <source>Take delay</source>
        <translation>Задержка взятия</translation>
    </message>
    <message>
        <source>Minimum take delay updated: %1 sec</source>
        <translation>Минимальная задержка взятия обновлена: %1 с</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Название:</translation>
    </message>
    <message>
        <source>№</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Alarm delay</source>
        <translation>Задержка тревоги</translation>
    </message>
    <message>
        <source>Auto take time</source>
        <translation>Время автовзятия</translation>
    </message>
    <message>
        <source>Alarm on sensor loss</source>
        <translation>Тревога при потере датчика</translation>
    </message>
    <message>
        <source>Take with lost sensors</source>
        <translation>Взятие с потерянными датчиками</translation>
    </message>
    <message>
        <source>Take with alarm sensors</source>
        <translation>Взятие с датчиками в тревоге</translation>
    </message>
    <message>
        <source>Take with failed sensors</source>
        <translation>Взятие с неисправными датчиками</translation>
    </message>
    <message>
        <source>Force take with alarm sensors</source>
        <translation>Принудительное взятие с датчиками в тревоге</translation>
    </message>
    <message>
        <source>&lt;p&gt;Range: 5 to 65535 seconds.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Диапазон: от 5 до 65535 секунд.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
</context>
<context>
    <name>OnlineUpdateWidget</name>
    <message>
        <source>Update firmware</source>
        <translation>Обновить прошивку</translation>
    </message>
    <message>
        <source>Update boot loader</source>
        <translation>Обновление загрузчика</translation>
    </message>
    <message>
        <source>Update radio</source>
        <translation>Обновление радиомодуля</translation>
    </message>
    <message>
        <source>Update radio device</source>
        <translation>Обновить радиоустройство</translation>
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
        <translation>Управляющий пользователь</translation>
    </message>
    <message>
        <source>There is no connected device</source>
        <translation>Нет подключённого устройства</translation>
    </message>
    <message>
        <source>Connect device</source>
        <translation>Подключение устройства</translation>
    </message>
    <message>
        <source>The device is already connected. You can&apos;t connect to the device twice.</source>
        <translation>Устройство уже подключено. Нельзя подключиться к устройству дважды.</translation>
    </message>
    <message>
        <source>No write permissions.</source>
        <translation>Нет прав на запись.</translation>
    </message>
    <message>
        <source>sensor</source>
        <translation>датчик</translation>
    </message>
    <message>
        <source>partition</source>
        <translation>раздел</translation>
    </message>
    <message>
        <source>output</source>
        <translation>выход</translation>
    </message>
    <message>
        <source>iButton</source>
        <translation>iButton</translation>
    </message>
    <message>
        <source>beeper</source>
        <translation>зуммер</translation>
    </message>
    <message>
        <source>leds</source>
        <translation>светодиоды</translation>
    </message>
    <message>
        <source>object</source>
        <translation>объект</translation>
    </message>
    <message>
        <source>device</source>
        <translation>устройство</translation>
    </message>
    <message>
        <source>wireless</source>
        <translation>радиоканал</translation>
    </message>
    <message>
        <source>gsm</source>
        <translation>GSM</translation>
    </message>
    <message>
        <source>loop</source>
        <translation>шлейф</translation>
    </message>
    <message>
        <source>ethernet</source>
        <translation>Ethernet</translation>
    </message>
    <message>
        <source>user</source>
        <translation>пользователь</translation>
    </message>
    <message>
        <source>direction</source>
        <translation>направление</translation>
    </message>
    <message>
        <source>Compatibility errors found in:
%1</source>
        <translation>Обнаружены ошибки совместимости настроек:
%1</translation>
    </message>
    <message>
        <source>It is necessary to set the correct time in the device. The difference with the system time is more than a minute (%1 seconds)</source>
        <translation>Необходимо установить в устройстве правильное время. Расхождение с системным временем превышает минуту (%1 с)</translation>
    </message>
    <message>
        <source>Configuration cannot be loaded if there are locked partitions.</source>
        <translation>Конфигурацию нельзя загрузить, если есть заблокированные разделы.</translation>
    </message>
    <message>
        <source>Configuration loading</source>
        <translation>Загрузка конфигурации</translation>
    </message>
    <message>
        <source>&lt;p&gt;The selected configuration file has an outdated format and cannot be opened. To view the configuration from this file, install the configurator version 1.03.4167.&lt;/p&gt;&lt;p&gt;The configurator version 1.03.4167 can be downloaded from the &lt;a href=&quot;https://ardanet.example/downloads&quot;&gt;manufacturer&apos;s website&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Выбранный файл конфигурации имеет устаревший формат и не может быть открыт. Для просмотра конфигурации из этого файла установите конфигуратор версии 1.03.4167.&lt;/p&gt;&lt;p&gt;Конфигуратор версии 1.03.4167 можно скачать на &lt;a href=&quot;https://ardanet.example/downloads&quot;&gt;сайте производителя&lt;/a&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Viewing cofiguration file</source>
        <translation>Просмотр файла конфигурации</translation>
    </message>
    <message>
        <source>Do you want to continue in this window and disconnect from the device?</source>
        <translation>Продолжить в этом окне и отключиться от устройства?</translation>
    </message>
    <message>
        <source>In the current window</source>
        <translation>В текущем окне</translation>
    </message>
    <message>
        <source>In a new window</source>
        <translation>В новом окне</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Can not write file.</source>
        <translation>Не удалось записать файл.</translation>
    </message>
    <message>
        <source>&lt;p&gt;The selected configuration file has an unknown format and cannot be downloaded.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Выбранный файл конфигурации имеет неизвестный формат и не может быть загружен.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>The device is disconnected. The configuration was not written.</source>
        <translation>Устройство отключено. Конфигурация не записана.</translation>
    </message>
    <message>
        <source>The device did not take the configuration. It was not restarted; check the settings after the next login.</source>
        <translation>Устройство не приняло конфигурацию. Перезагрузка не выполнена; проверьте настройки после следующего входа.</translation>
    </message>
    <message>
        <source>The device was disconnected while the configuration was being written. Connect it again, log in and check the settings.</source>
        <translation>Устройство было отключено во время записи конфигурации. Подключите его снова, войдите и проверьте настройки.</translation>
    </message>
    <message>
        <source>Could not log in again while writing the configuration. Log in and check the settings.</source>
        <translation>Не удалось повторно войти во время записи конфигурации. Войдите и проверьте настройки.</translation>
    </message>
    <message>
        <source>Partition # %1</source>
        <translation>Раздел № %1</translation>
    </message>
    <message>
        <source>Not selected</source>
        <translation>Не выбрано</translation>
    </message>
</context>
<context>
    <name>Partition</name>
    <message>
        <source>Partition # %1</source>
        <translation>Раздел № %1</translation>
    </message>
    <message>
        <source>Executive devices</source>
        <translation>Исполнительные устройства</translation>
    </message>
    <message>
        <source>All Devices</source>
        <translation>Все устройства</translation>
    </message>
    <message>
        <source>Halvor devices</source>
        <translation>Устройства Halvor</translation>
    </message>
</context>
<context>
    <name>PartitionCommandLinkButton</name>
    <message>
        <source>Partition</source>
        <translation>Раздел</translation>
    </message>
</context>
<context>
    <name>PartitionModel</name>
    <message>
        <source>%1. %2 lost</source>
        <translation>%1. %2: связь потеряна</translation>
    </message>
    <message>
        <source>%1. %2 got in touch</source>
        <translation>%1. %2: связь восстановлена</translation>
    </message>
    <message>
        <source>%1 devices from JSON file in partition %2</source>
        <translation>Устройств из файла JSON в разделе %2: %1</translation>
    </message>
    <message>
        <source>%1 devices from JSON file</source>
        <translation>Устройств из файла JSON: %1</translation>
    </message>
    <message>
        <source>%1 Executable devices from JSON file</source>
        <translation>Исполнительных устройств из файла JSON: %1</translation>
    </message>
</context>
<context>
    <name>PartitionWidget</name>
    <message>
        <source>Allow adding devices</source>
        <translation>Разрешить добавление устройств</translation>
    </message>
    <message>
        <source>By id</source>
        <translation>По номеру</translation>
    </message>
    <message>
        <source>By name</source>
        <translation>По типу</translation>
    </message>
</context>
<context>
    <name>Protocol</name>
    <message>
        <source>Start of flash erasing</source>
        <translation>Начало стирания flash-памяти</translation>
    </message>
    <message>
        <source>Update core</source>
        <translation>Обновление ядра</translation>
    </message>
    <message>
        <source>Update boot loader</source>
        <translation>Обновление загрузчика</translation>
    </message>
    <message>
        <source>Update radio</source>
        <translation>Обновление радиомодуля</translation>
    </message>
    <message>
        <source>Stop updating</source>
        <translation>Остановка обновления</translation>
    </message>
    <message>
        <source>Initialization of writing Web</source>
        <translation>Инициализация записи Web</translation>
    </message>
    <message>
        <source>Start of firmware (e_FwId=%1) writing</source>
        <translation>Начало записи прошивки (e_FwId=%1)</translation>
    </message>
    <message>
        <source>Update Web</source>
        <translation>Обновление Web</translation>
    </message>
    <message>
        <source>User authorization %1 (%2)</source>
        <translation>Авторизация пользователя %1 (%2)</translation>
    </message>
    <message>
        <source>Radio analysis (mode %1) started for device %2</source>
        <translation>Анализ радиоэфира (режим %1) запущен для устройства %2</translation>
    </message>
    <message>
        <source>Radio analysis (mode %1) stopped for device %2</source>
        <translation>Анализ радиоэфира (режим %1) остановлен для устройства %2</translation>
    </message>
    <message>
        <source>Answer 0x%1 dropped: %2 bytes of payload, %3 expected</source>
        <translation>Ответ 0x%1 отброшен: полезных данных %2 байт, ожидалось %3</translation>
    </message>
    <message>
        <source>Empty message dropped</source>
        <translation>Пустое сообщение отброшено</translation>
    </message>
    <message>
        <source>Answer 0x%1 dropped: %2 bytes, shorter than the message header</source>
        <translation>Ответ 0x%1 отброшен: %2 байт, меньше заголовка сообщения</translation>
    </message>
    <message>
        <source>Channel status ignored: no layout for execution %1</source>
        <translation>Состояние каналов проигнорировано: нет раскладки для исполнения %1</translation>
    </message>
    <message>
        <source>Update complete %1</source>
        <translation>Обновление завершено %1</translation>
    </message>
    <message>
        <source>Update device %1 started %2</source>
        <translation>Обновление устройства %1 начато %2</translation>
    </message>
    <message>
        <source>Firmware could not be written to %1: %2</source>
        <translation>Не удалось записать прошивку в %1: %2</translation>
    </message>
    <message>
        <source>Pop-up Usb message simple text</source>
        <translation>Всплывающее USB-сообщение (простой текст)</translation>
    </message>
    <message>
        <source>Balance request answer</source>
        <translation>Ответ на запрос баланса</translation>
    </message>
    <message>
        <source>Unknown pop-up Usb message</source>
        <translation>Неизвестное всплывающее USB-сообщение</translation>
    </message>
    <message>
        <source>Unknow error 0x%1</source>
        <translation>Неизвестная ошибка 0x%1</translation>
    </message>
    <message>
        <source>Error writing partition settings</source>
        <translation>Ошибка записи настроек раздела</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Error fw update</source>
        <translation>Ошибка обновления прошивки</translation>
    </message>
    <message>
        <source>Error writing user from configuration</source>
        <translation>Ошибка записи пользователя из конфигурации</translation>
    </message>
    <message>
        <source>Journal entry %1 still unreadable after %2 attempts</source>
        <translation>Запись журнала %1 не удаётся прочитать (попыток: %2)</translation>
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
        <translation>Нет</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Да</translation>
    </message>
</context>
<context>
    <name>QtBoolEdit</name>
    <message>
        <source>False</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Да</translation>
    </message>
</context>
<context>
    <name>QtBoolPropertyManager</name>
    <message>
        <source>False</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Да</translation>
    </message>
</context>
<context>
    <name>QtCharEdit</name>
    <message>
        <source>Clear Char</source>
        <translation>Очистить символ</translation>
    </message>
</context>
<context>
    <name>QtColorEditWidget</name>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
</context>
<context>
    <name>QtColorPropertyManager</name>
    <message>
        <source>Red</source>
        <translation>Красный</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зелёный</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синий</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>Альфа</translation>
    </message>
</context>
<context>
    <name>QtCursorDatabase</name>
    <message>
        <source>Arrow</source>
        <translation>Стрелка</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>Стрелка вверх</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Перекрестие</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Ожидание</translation>
    </message>
    <message>
        <source>IBeam</source>
        <translation>Текстовый курсор</translation>
    </message>
    <message>
        <source>Size Vertical</source>
        <translation>Изменение размера по вертикали</translation>
    </message>
    <message>
        <source>Size Horizontal</source>
        <translation>Изменение размера по горизонтали</translation>
    </message>
    <message>
        <source>Size Backslash</source>
        <translation>Изменение размера по обратной диагонали</translation>
    </message>
    <message>
        <source>Size Slash</source>
        <translation>Изменение размера по диагонали</translation>
    </message>
    <message>
        <source>Size All</source>
        <translation>Изменение размера во всех направлениях</translation>
    </message>
    <message>
        <source>Blank</source>
        <translation>Пустой</translation>
    </message>
    <message>
        <source>Split Vertical</source>
        <translation>Разделение по вертикали</translation>
    </message>
    <message>
        <source>Split Horizontal</source>
        <translation>Разделение по горизонтали</translation>
    </message>
    <message>
        <source>Pointing Hand</source>
        <translation>Указывающая рука</translation>
    </message>
    <message>
        <source>Forbidden</source>
        <translation>Запрещено</translation>
    </message>
    <message>
        <source>Open Hand</source>
        <translation>Открытая рука</translation>
    </message>
    <message>
        <source>Closed Hand</source>
        <translation>Сжатая рука</translation>
    </message>
    <message>
        <source>What&apos;s This</source>
        <translation>Что это</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Занято</translation>
    </message>
</context>
<context>
    <name>QtFontEditWidget</name>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Select Font</source>
        <translation>Выбрать шрифт</translation>
    </message>
</context>
<context>
    <name>QtFontPropertyManager</name>
    <message>
        <source>Family</source>
        <translation>Семейство</translation>
    </message>
    <message>
        <source>Point Size</source>
        <translation>Размер в пунктах</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Жирный</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Курсив</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Подчёркнутый</translation>
    </message>
    <message>
        <source>Strikeout</source>
        <translation>Зачёркнутый</translation>
    </message>
    <message>
        <source>Kerning</source>
        <translation>Кернинг</translation>
    </message>
</context>
<context>
    <name>QtKeySequenceEdit</name>
    <message>
        <source>Clear Shortcut</source>
        <translation>Очистить сочетание клавиш</translation>
    </message>
</context>
<context>
    <name>QtLocalePropertyManager</name>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Страна</translation>
    </message>
</context>
<context>
    <name>QtPointFPropertyManager</name>
    <message>
        <source>(%1, %2)</source>
        <translation>(%1, %2)</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
</context>
<context>
    <name>QtPointPropertyManager</name>
    <message>
        <source>(%1, %2)</source>
        <translation>(%1, %2)</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
</context>
<context>
    <name>QtPropertyBrowserUtils</name>
    <message>
        <source>[%1, %2, %3] (%4)</source>
        <translation>[%1, %2, %3] (%4)</translation>
    </message>
    <message>
        <source>[%1, %2]</source>
        <translation>[%1, %2]</translation>
    </message>
</context>
<context>
    <name>QtRectFPropertyManager</name>
    <message>
        <source>[(%1, %2), %3 x %4]</source>
        <translation>[(%1, %2), %3 x %4]</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ширина</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Высота</translation>
    </message>
</context>
<context>
    <name>QtRectPropertyManager</name>
    <message>
        <source>[(%1, %2), %3 x %4]</source>
        <translation>[(%1, %2), %3 x %4]</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ширина</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Высота</translation>
    </message>
</context>
<context>
    <name>QtSizeFPropertyManager</name>
    <message>
        <source>%1 x %2</source>
        <translation>%1 x %2</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ширина</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Высота</translation>
    </message>
</context>
<context>
    <name>QtSizePolicyPropertyManager</name>
    <message>
        <source>&lt;Invalid&gt;</source>
        <translation>&lt;Недопустимо&gt;</translation>
    </message>
    <message>
        <source>[%1, %2, %3, %4]</source>
        <translation>[%1, %2, %3, %4]</translation>
    </message>
    <message>
        <source>Horizontal Policy</source>
        <translation>Политика по горизонтали</translation>
    </message>
    <message>
        <source>Vertical Policy</source>
        <translation>Политика по вертикали</translation>
    </message>
    <message>
        <source>Horizontal Stretch</source>
        <translation>Растяжение по горизонтали</translation>
    </message>
    <message>
        <source>Vertical Stretch</source>
        <translation>Растяжение по вертикали</translation>
    </message>
</context>
<context>
    <name>QtSizePropertyManager</name>
    <message>
        <source>%1 x %2</source>
        <translation>%1 x %2</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ширина</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Высота</translation>
    </message>
</context>
<context>
    <name>QtTreePropertyBrowser</name>
    <message>
        <source>Property</source>
        <translation>Свойство</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Значение</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
</context>
<context>
    <name>SelectKorvel</name>
    <message>
        <source>Multiple devices detected</source>
        <translation>Обнаружено несколько устройств</translation>
    </message>
    <message>
        <source>Select device:</source>
        <translation>Выберите устройство:</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Подключить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>%1, serial = %2</source>
        <translation>%1, серийный номер = %2</translation>
    </message>
</context>
<context>
    <name>Sensor</name>
    <message>
        <source>Invalid type</source>
        <translation>Неверный тип</translation>
    </message>
    <message>
        <source>id: %1
sw: %2  hw: %3

%4</source>
        <translation>id: %1
sw: %2  hw: %3

%4</translation>
    </message>
    <message>
        <source>Fire!</source>
        <translation>Пожар!</translation>
    </message>
    <message>
        <source>Loop low res.</source>
        <translation>Шлейф: низкое сопр.</translation>
    </message>
    <message>
        <source>Loop high res.</source>
        <translation>Шлейф: высокое сопр.</translation>
    </message>
    <message>
        <source>Break in the water sensor loop</source>
        <translation>Обрыв шлейфа датчика протечки</translation>
    </message>
    <message>
        <source>%1 dBm</source>
        <translation>%1 дБм</translation>
    </message>
    <message>
        <source>%1 V</source>
        <translation>%1 В</translation>
    </message>
    <message>
        <source>fail</source>
        <translation>неисправен</translation>
    </message>
    <message>
        <source>good</source>
        <translation>исправен</translation>
    </message>
    <message>
        <source>not supported</source>
        <translation>не поддерживается</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>неизвестно</translation>
    </message>
    <message>
        <source>%1. %2
Статус: %3</source>
        <translation>%1. %2
Статус: %3</translation>
    </message>
    <message>
        <source>0.KorvelGSMR</source>
        <translation>0.KorvelGSMR</translation>
    </message>
    <message>
        <source>Take delay less than work interval. For correct device work need install take delay bigger or equal work interval.
Do you really want to enable energy saving mode?
</source>
        <translation>Задержка взятия под охрану меньше интервала работы. Для корректной работы устройства установите задержку взятия не меньше интервала работы.
Вы действительно хотите включить режим энергосбережения?
</translation>
    </message>
    <message>
        <source>Do you really want to enable energy saving mode?
</source>
        <translation>Вы действительно хотите включить режим энергосбережения?
</translation>
    </message>
    <message>
        <source>Take delay will be turned on%1.</source>
        <translation>Задержка взятия будет включена%1.</translation>
    </message>
    <message>
        <source> and its value will be increased</source>
        <translation> и её значение будет увеличено</translation>
    </message>
    <message>
        <source>Take delay</source>
        <translation>Задержка взятия</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Неизвестно</translation>
    </message>
</context>
<context>
    <name>SensorItemDelegate</name>
    <message>
        <source>+%1</source>
        <translation>+%1</translation>
    </message>
</context>
<context>
    <name>SensorKeychainSettingsWidget</name>
    <message>
        <source>User</source>
        <translation>Пользователь</translation>
    </message>
</context>
<context>
    <name>SensorListViewItem</name>
    <message>
        <source>&lt;table style=&quot;width:100%&quot;&gt;  &lt;tr&gt;    &lt;td&gt;&lt;strong&gt;Type&lt;/strong&gt;&lt;/td&gt;    &lt;td&gt;%1&lt;/td&gt;   &lt;/tr&gt;  &lt;tr&gt;    &lt;td&gt;&lt;strong&gt;Number&lt;/strong&gt;&lt;/td&gt;    &lt;td&gt;%2&lt;/td&gt;   &lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;table style=&quot;width:100%&quot;&gt;  &lt;tr&gt;    &lt;td&gt;&lt;strong&gt;Тип&lt;/strong&gt;&lt;/td&gt;    &lt;td&gt;%1&lt;/td&gt;   &lt;/tr&gt;  &lt;tr&gt;    &lt;td&gt;&lt;strong&gt;Номер&lt;/strong&gt;&lt;/td&gt;    &lt;td&gt;%2&lt;/td&gt;   &lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
    <message>
        <source>&lt;table style=&quot;width:100%&quot;&gt;  &lt;tr&gt;    &lt;td&gt;&lt;strong&gt;Status:&lt;/strong&gt;&lt;/td&gt;    &lt;td&gt;%1&lt;/td&gt;   &lt;/tr&gt;  &lt;tr&gt;    &lt;td&gt;&lt;strong&gt;Resistance:&lt;/strong&gt;&lt;/td&gt;    &lt;td align=&quot;center&quot;&gt;%2&lt;/td&gt;   &lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;table style=&quot;width:100%&quot;&gt;  &lt;tr&gt;    &lt;td&gt;&lt;strong&gt;Статус:&lt;/strong&gt;&lt;/td&gt;    &lt;td&gt;%1&lt;/td&gt;   &lt;/tr&gt;  &lt;tr&gt;    &lt;td&gt;&lt;strong&gt;Сопротивление:&lt;/strong&gt;&lt;/td&gt;    &lt;td align=&quot;center&quot;&gt;%2&lt;/td&gt;   &lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
    <message>
        <source>&lt;table style=&quot;width:100%&quot;&gt;  &lt;tr&gt;    &lt;td&gt;&lt;strong&gt;Type&lt;/strong&gt;&lt;/td&gt;    &lt;td&gt;%1&lt;/td&gt;   &lt;/tr&gt;  &lt;tr&gt;    &lt;td&gt;&lt;strong&gt;Serial&lt;/strong&gt;&lt;/td&gt;    &lt;td&gt;%2&lt;/td&gt;   &lt;/tr&gt;  &lt;tr&gt;    &lt;td&gt;&lt;strong&gt;Firmware&lt;/strong&gt;&lt;/td&gt;    &lt;td&gt;%3&lt;/td&gt;   &lt;/tr&gt;  &lt;tr&gt;    &lt;td&gt;&lt;strong&gt;Hardware&lt;/strong&gt;&lt;/td&gt;    &lt;td&gt;%4&lt;/td&gt;   &lt;/tr&gt;  &lt;tr&gt;    &lt;td&gt;&lt;strong&gt;RSSI&lt;/strong&gt;&lt;/td&gt;    &lt;td&gt;%5&lt;/td&gt;   &lt;/tr&gt;  &lt;tr&gt;    &lt;td&gt;&lt;strong&gt;Status&lt;/strong&gt;&lt;/td&gt;    &lt;td&gt;%6&lt;/td&gt;   &lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;table style=&quot;width:100%&quot;&gt;  &lt;tr&gt;    &lt;td&gt;&lt;strong&gt;Тип&lt;/strong&gt;&lt;/td&gt;    &lt;td&gt;%1&lt;/td&gt;   &lt;/tr&gt;  &lt;tr&gt;    &lt;td&gt;&lt;strong&gt;Серийный номер&lt;/strong&gt;&lt;/td&gt;    &lt;td&gt;%2&lt;/td&gt;   &lt;/tr&gt;  &lt;tr&gt;    &lt;td&gt;&lt;strong&gt;Прошивка&lt;/strong&gt;&lt;/td&gt;    &lt;td&gt;%3&lt;/td&gt;   &lt;/tr&gt;  &lt;tr&gt;    &lt;td&gt;&lt;strong&gt;Оборудование&lt;/strong&gt;&lt;/td&gt;    &lt;td&gt;%4&lt;/td&gt;   &lt;/tr&gt;  &lt;tr&gt;    &lt;td&gt;&lt;strong&gt;RSSI&lt;/strong&gt;&lt;/td&gt;    &lt;td&gt;%5&lt;/td&gt;   &lt;/tr&gt;  &lt;tr&gt;    &lt;td&gt;&lt;strong&gt;Статус&lt;/strong&gt;&lt;/td&gt;    &lt;td&gt;%6&lt;/td&gt;   &lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
    <message>
        <source>&lt;table style=&quot;width:100%&quot;&gt;  &lt;tr&gt;    &lt;td&gt;&lt;strong&gt;Type&lt;/strong&gt;&lt;/td&gt;    &lt;td&gt;%1&lt;/td&gt;   &lt;/tr&gt;  &lt;tr&gt;    &lt;td&gt;&lt;strong&gt;Serial&lt;/strong&gt;&lt;/td&gt;    &lt;td&gt;%2&lt;/td&gt;   &lt;/tr&gt;  &lt;tr&gt;    &lt;td&gt;&lt;strong&gt;RSSI&lt;/strong&gt;&lt;/td&gt;    &lt;td&gt;%3&lt;/td&gt;   &lt;/tr&gt;  &lt;tr&gt;    &lt;td&gt;&lt;strong&gt;Main bat&lt;/strong&gt;&lt;/td&gt;    &lt;td&gt;%4&lt;/td&gt;   &lt;/tr&gt;%6  &lt;tr&gt;    &lt;td&gt;&lt;strong&gt;Status&lt;/strong&gt;&lt;/td&gt;    &lt;td&gt;%5&lt;/td&gt;   &lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;table style=&quot;width:100%&quot;&gt;  &lt;tr&gt;    &lt;td&gt;&lt;strong&gt;Тип&lt;/strong&gt;&lt;/td&gt;    &lt;td&gt;%1&lt;/td&gt;   &lt;/tr&gt;  &lt;tr&gt;    &lt;td&gt;&lt;strong&gt;Серийный номер&lt;/strong&gt;&lt;/td&gt;    &lt;td&gt;%2&lt;/td&gt;   &lt;/tr&gt;  &lt;tr&gt;    &lt;td&gt;&lt;strong&gt;RSSI&lt;/strong&gt;&lt;/td&gt;    &lt;td&gt;%3&lt;/td&gt;   &lt;/tr&gt;  &lt;tr&gt;    &lt;td&gt;&lt;strong&gt;Осн. батарея&lt;/strong&gt;&lt;/td&gt;    &lt;td&gt;%4&lt;/td&gt;   &lt;/tr&gt;%6  &lt;tr&gt;    &lt;td&gt;&lt;strong&gt;Статус&lt;/strong&gt;&lt;/td&gt;    &lt;td&gt;%5&lt;/td&gt;   &lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
    <message>
        <source>&lt;table style=&quot;width:100%&quot;&gt;  &lt;tr&gt;    &lt;td&gt;&lt;strong&gt;Type&lt;/strong&gt;&lt;/td&gt;    &lt;td&gt;%1&lt;/td&gt;   &lt;/tr&gt;  &lt;tr&gt;    &lt;td&gt;&lt;strong&gt;Serial&lt;/strong&gt;&lt;/td&gt;    &lt;td&gt;%2&lt;/td&gt;   &lt;/tr&gt;  &lt;tr&gt;    &lt;td&gt;&lt;strong&gt;Firmware&lt;/strong&gt;&lt;/td&gt;    &lt;td&gt;%3&lt;/td&gt;   &lt;/tr&gt;  &lt;tr&gt;    &lt;td&gt;&lt;strong&gt;Hardware&lt;/strong&gt;&lt;/td&gt;    &lt;td&gt;%4&lt;/td&gt;   &lt;/tr&gt;  &lt;tr&gt;    &lt;td&gt;&lt;strong&gt;RSSI&lt;/strong&gt;&lt;/td&gt;    &lt;td&gt;%5&lt;/td&gt;   &lt;/tr&gt;  &lt;tr&gt;    &lt;td&gt;&lt;strong&gt;Main bat&lt;/strong&gt;&lt;/td&gt;    &lt;td&gt;%6&lt;/td&gt;   &lt;/tr&gt;%8  &lt;tr&gt;    &lt;td&gt;&lt;strong&gt;Status&lt;/strong&gt;&lt;/td&gt;    &lt;td&gt;%7&lt;/td&gt;   &lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;table style=&quot;width:100%&quot;&gt;  &lt;tr&gt;    &lt;td&gt;&lt;strong&gt;Тип&lt;/strong&gt;&lt;/td&gt;    &lt;td&gt;%1&lt;/td&gt;   &lt;/tr&gt;  &lt;tr&gt;    &lt;td&gt;&lt;strong&gt;Серийный номер&lt;/strong&gt;&lt;/td&gt;    &lt;td&gt;%2&lt;/td&gt;   &lt;/tr&gt;  &lt;tr&gt;    &lt;td&gt;&lt;strong&gt;Прошивка&lt;/strong&gt;&lt;/td&gt;    &lt;td&gt;%3&lt;/td&gt;   &lt;/tr&gt;  &lt;tr&gt;    &lt;td&gt;&lt;strong&gt;Оборудование&lt;/strong&gt;&lt;/td&gt;    &lt;td&gt;%4&lt;/td&gt;   &lt;/tr&gt;  &lt;tr&gt;    &lt;td&gt;&lt;strong&gt;RSSI&lt;/strong&gt;&lt;/td&gt;    &lt;td&gt;%5&lt;/td&gt;   &lt;/tr&gt;  &lt;tr&gt;    &lt;td&gt;&lt;strong&gt;Осн. батарея&lt;/strong&gt;&lt;/td&gt;    &lt;td&gt;%6&lt;/td&gt;   &lt;/tr&gt;%8  &lt;tr&gt;    &lt;td&gt;&lt;strong&gt;Статус&lt;/strong&gt;&lt;/td&gt;    &lt;td&gt;%7&lt;/td&gt;   &lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
    <message>
        <source>  &lt;tr&gt;    &lt;td&gt;&lt;strong&gt;Reserve bat&lt;/strong&gt;&lt;/td&gt;    &lt;td&gt;%1&lt;/td&gt;   &lt;/tr&gt;</source>
        <translation>  &lt;tr&gt;    &lt;td&gt;&lt;strong&gt;Резерв. батарея&lt;/strong&gt;&lt;/td&gt;    &lt;td&gt;%1&lt;/td&gt;   &lt;/tr&gt;</translation>
    </message>
    <message>
        <source>0 V</source>
        <translation>0 В</translation>
    </message>
</context>
<context>
    <name>SensorRelaySettingsWidget</name>
    <message>
        <source>Tab 1</source>
        <translation>Вкладка 1</translation>
    </message>
    <message>
        <source>Tab 2</source>
        <translation>Вкладка 2</translation>
    </message>
    <message>
        <source>Temp control</source>
        <translation>Управление по температуре</translation>
    </message>
    <message>
        <source>Humidity control</source>
        <translation>Управление по влажности</translation>
    </message>
    <message>
        <source>CO control</source>
        <translation>Управление по CO</translation>
    </message>
</context>
<context>
    <name>SensorSettingsWidget</name>
    <message>
        <source>Security</source>
        <translation>Охранная</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Тревожная</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Входная</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Пожарная</translation>
    </message>
    <message>
        <source>Leak</source>
        <translation>Протечка</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Настройки устройства</translation>
    </message>
    <message>
        <source>Tarvo-T04</source>
        <translation>Tarvo-T04</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Включен</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Название:</translation>
    </message>
    <message>
        <source>Led mode:</source>
        <translation>Режим индикатора:</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>Always on</source>
        <translation>Всегда включен</translation>
    </message>
    <message>
        <source>Always off</source>
        <translation>Всегда выключен</translation>
    </message>
    <message>
        <source>Zone type</source>
        <translation>Тип зоны</translation>
    </message>
    <message>
        <source>Bell mode</source>
        <translation>Звонок</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Свет</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Out 1</source>
        <translation>Выход 1</translation>
    </message>
    <message>
        <source>Out 2</source>
        <translation>Выход 2</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Табло</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Please select a user from the list</source>
        <translation>Выберите пользователя из списка</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>Настройки не сохранены</translation>
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
        <translation>Проигнорирован пакет &quot;close&quot; от %1</translation>
    </message>
    <message>
        <source>Ignored &quot;message&quot; from %1</source>
        <translation>Проигнорирован пакет &quot;message&quot; от %1</translation>
    </message>
</context>
<context>
    <name>UserSettings</name>
    <message>
        <source>User #%1</source>
        <translation>Пользователь №%1</translation>
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
        <translation>Не задан</translation>
    </message>
    <message>
        <source>Not sensor</source>
        <translation>Не датчик</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Охранная</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Тревожная</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Входная</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Пожарная</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Протечка воды</translation>
    </message>
</context>
<context>
    <name>ObjectSettings</name>
    <message>
        <source>Since one of the sensors has power-saving mode enabled, the minimum arm delay should be equal to the sensor polling period. The value has been increased to %1 seconds.</source>
        <translation>Так как у одного из датчиков включён режим энергосбережения, минимальная задержка взятия должна быть равна периоду опроса датчиков. Значение увеличено до %1 секунд.</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Объект</translation>
    </message>
    <message>
        <source>Reset settings</source>
        <translation>Сброс настроек</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the settings?</source>
        <translation>Вы уверены, что хотите сбросить настройки?</translation>
    </message>
</context>
<context>
    <name>DeviceSettingsWidget</name>
    <message>
        <source>Enable low power mode</source>
        <translation>Включить режим низкого энергопотребления</translation>
    </message>
    <message>
        <source>Allow configuration with closed case</source>
        <translation>Разрешить настройку с закрытым корпусом</translation>
    </message>
    <message>
        <source>Send repeated alarms for same partition</source>
        <translation>Отправлять повторные тревоги по разделу</translation>
    </message>
    <message>
        <source>Send repeated alarms for same sensor</source>
        <translation>Отправлять повторные тревоги по датчику</translation>
    </message>
    <message>
        <source>Send repeated fire alarms for same partition</source>
        <translation>Отправлять повторные пожарные тревоги по разделу</translation>
    </message>
    <message>
        <source>Send repeated fire alarms for same sensor</source>
        <translation>Отправлять повторные пожарные тревоги по датчику</translation>
    </message>
    <message>
        <source>Send repeated event for every take on and take off</source>
        <translation>Отправлять событие при каждом взятии и снятии</translation>
    </message>
    <message>
        <source>Send repeated event for every take on and take off to outputs</source>
        <translation>Передавать каждое взятие и снятие на выходы</translation>
    </message>
    <message>
        <source>Reset to default</source>
        <translation>Сбросить настройки</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Reset settings</source>
        <translation>Сброс настроек</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the settings?</source>
        <translation>Вы уверены, что хотите сбросить настройки?</translation>
    </message>
</context>
<context>
    <name>DateTimeSettingsWidget</name>
    <message>
        <source>Current device time:</source>
        <translation>Текущее время прибора:</translation>
    </message>
    <message>
        <source>Use GSM Network time</source>
        <translation>Время сети GSM</translation>
    </message>
    <message>
        <source>Use GSM network timezone</source>
        <translation>Часовой пояс сети GSM</translation>
    </message>
    <message>
        <source>Daylight saving time</source>
        <translation>Летнее время</translation>
    </message>
    <message>
        <source>NTP / HTP synchronization</source>
        <translation>Синхронизация NTP / HTP</translation>
    </message>
    <message>
        <source>Server address:</source>
        <translation>Адрес сервера:</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Вручную</translation>
    </message>
    <message>
        <source>Date and time:</source>
        <translation>Дата и время:</translation>
    </message>
    <message>
        <source>Timezone:</source>
        <translation>Часовой пояс:</translation>
    </message>
    <message>
        <source>Reset to default</source>
        <translation>Сбросить настройки</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Reset settings</source>
        <translation>Сброс настроек</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the settings?</source>
        <translation>Вы уверены, что хотите сбросить настройки?</translation>
    </message>
</context>
<context>
    <name>LedsSettingsWidget</name>
    <message>
        <source>Front panel LEDs</source>
        <translation>Индикаторы передней панели</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Отключен</translation>
    </message>
    <message>
        <source>Out1</source>
        <translation>Выход 1</translation>
    </message>
    <message>
        <source>Out2</source>
        <translation>Выход 2</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Работа</translation>
    </message>
    <message>
        <source>Led %1</source>
        <translation>Индикатор %1</translation>
    </message>
    <message>
        <source>LED Mode</source>
        <translation>Режим светодиодов</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>Global enable</source>
        <translation>Включены все</translation>
    </message>
    <message>
        <source>Global disable</source>
        <translation>Отключены все</translation>
    </message>
    <message>
        <source>Alarm sensors led mode:</source>
        <translation>Светодиоды охранных датчиков:</translation>
    </message>
    <message>
        <source>Fire sensors led mode:</source>
        <translation>Светодиоды пожарных датчиков:</translation>
    </message>
    <message>
        <source>Technology sensors led mode:</source>
        <translation>Светодиоды технологических датчиков:</translation>
    </message>
    <message>
        <source>Reset to default</source>
        <translation>Сбросить настройки</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Reset settings</source>
        <translation>Сброс настроек</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the settings?</source>
        <translation>Вы уверены, что хотите сбросить настройки?</translation>
    </message>
</context>
<context>
    <name>BeeperSettingsWidget</name>
    <message>
        <source>Enable beeper</source>
        <translation>Включить звук</translation>
    </message>
    <message>
        <source>Beep time (sec)</source>
        <translation>Длительность звука (с)</translation>
    </message>
    <message>
        <source>Event volume</source>
        <translation>Громкость событий</translation>
    </message>
    <message>
        <source>Alarm volume</source>
        <translation>Громкость тревог</translation>
    </message>
    <message>
        <source>Linked events</source>
        <translation>Связанные события</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Тревога</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Пожар</translation>
    </message>
    <message>
        <source>Partition take</source>
        <translation>Взятие раздела</translation>
    </message>
    <message>
        <source>Partition take off</source>
        <translation>Снятие раздела</translation>
    </message>
    <message>
        <source>Take delay</source>
        <translation>Задержка взятия</translation>
    </message>
    <message>
        <source>Not taken</source>
        <translation>Невзятие</translation>
    </message>
    <message>
        <source>Partitions partly taken</source>
        <translation>Частичное взятие</translation>
    </message>
    <message>
        <source>Sensor added</source>
        <translation>Подключение датчика</translation>
    </message>
    <message>
        <source>Bell event</source>
        <translation>Колокольчик</translation>
    </message>
    <message>
        <source>Ticket received</source>
        <translation>Квитанция получена</translation>
    </message>
    <message>
        <source>Ticket waiting</source>
        <translation>Ожидание квитанции</translation>
    </message>
    <message>
        <source>Reset to default</source>
        <translation>Сбросить настройки</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Reset settings</source>
        <translation>Сброс настроек</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the settings?</source>
        <translation>Вы уверены, что хотите сбросить настройки?</translation>
    </message>
</context>
<context>
    <name>IButtonConfigWidget</name>
    <message>
        <source>Card reader LEDs</source>
        <translation>Светодиоды считывателя</translation>
    </message>
    <message>
        <source>1 LED, First touch - status, next - arm/disarm</source>
        <translation>1 светодиод, первое касание - статус, следующие - взятие/снятие</translation>
    </message>
    <message>
        <source>1 LED, First touch - status, second - arm/disarm</source>
        <translation>1 светодиод, первое касание - статус, второе - взятие/снятие</translation>
    </message>
    <message>
        <source>2 LED, First touch - status, next - arm/disarm</source>
        <translation>2 светодиода, первое касание - статус, следующие - взятие/снятие</translation>
    </message>
    <message>
        <source>2 LED, First touch - status, second - arm/disarm</source>
        <translation>2 светодиода, первое касание - статус, второе - взятие/снятие</translation>
    </message>
    <message>
        <source>2 LEDs, Show status always, on touch - arm/disarm</source>
        <translation>2 светодиода, статус всегда, касание - взятие/снятие</translation>
    </message>
    <message>
        <source>Card reader LED Mode</source>
        <translation>Режим светодиода считывателя</translation>
    </message>
    <message>
        <source>Invert card reader led</source>
        <translation>Инверсия светодиода считывателя</translation>
    </message>
    <message>
        <source>Partitions for displaying status</source>
        <translation>Разделы для отображения статуса</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
</context>
<context>
    <name>IButtonConfig</name>
    <message>
        <source>Reset settings</source>
        <translation>Сброс настроек</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the settings?</source>
        <translation>Вы уверены, что хотите сбросить настройки?</translation>
    </message>
</context>
<context>
    <name>DebugSettingsWidget</name>
    <message>
        <source>Debug settings</source>
        <translation>Отладочные настройки</translation>
    </message>
    <message>
        <source>Test server</source>
        <translation>Тестовый сервер</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>MAC-адрес</translation>
    </message>
    <message>
        <source>Reset MAC to default</source>
        <translation>Сбросить MAC-адрес</translation>
    </message>
    <message>
        <source>Reset to default</source>
        <translation>Сбросить настройки</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Reset settings</source>
        <translation>Сброс настроек</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the settings?</source>
        <translation>Вы уверены, что хотите сбросить настройки?</translation>
    </message>
</context>
<context>
    <name>OutputGroupsSettingsWidget</name>
    <message>
        <source>Output groups names</source>
        <translation>Названия групп выходов</translation>
    </message>
    <message>
        <source>Output group</source>
        <translation>Группа выходов</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Группа %1</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Подтвердить</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Включена</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Отключена</translation>
    </message>
    <message>
        <source>Names saved</source>
        <translation>Названия сохранены</translation>
    </message>
</context>
<context>
    <name>OutputGroupsSettings</name>
    <message>
        <source>Reset settings</source>
        <translation>Сброс настроек</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the settings?</source>
        <translation>Вы уверены, что хотите сбросить настройки?</translation>
    </message>
</context>
</TS>
