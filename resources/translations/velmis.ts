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
    <message>
        <source>Read log</source>
        <translation>Прочитать журнал</translation>
    </message>
    <message>
        <source>Erase log</source>
        <translation>Стереть журнал</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Unknown (%1)</source>
        <translation>Неизвестно (%1)</translation>
    </message>
    <message>
        <source>The debug journal could not be saved to %1: %2</source>
        <translation>Не удалось сохранить отладочный журнал в %1: %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
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
    <message>
        <source>Num</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Источник</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Описание</translation>
    </message>
    <message>
        <source>Data </source>
        <translation>Дата </translation>
    </message>
    <message>
        <source>The device stopped sending the journal; the journal read was not completed. Please read it again.</source>
        <translation>Прибор перестал передавать журнал; чтение журнала не завершено. Прочитайте его ещё раз.</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>Основной</translation>
    </message>
    <message>
        <source>Reserve 1</source>
        <translation>Резерв 1</translation>
    </message>
    <message>
        <source>Reserve 2</source>
        <translation>Резерв 2</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Выключен</translation>
    </message>
    <message>
        <source>User SMS</source>
        <translation>SMS пользователю</translation>
    </message>
    <message>
        <source>Quenor SMS</source>
        <translation>SMS Quenor</translation>
    </message>
    <message>
        <source>Phone number</source>
        <translation>Звонок на номер</translation>
    </message>
    <message>
        <source>DC09</source>
        <translation>DC09</translation>
    </message>
    <message>
        <source>SurGard</source>
        <translation>SurGard</translation>
    </message>
    <message>
        <source>Auto take</source>
        <translation>Автовзятие</translation>
    </message>
    <message>
        <source>Deleted keychain</source>
        <translation>Удалённый брелок</translation>
    </message>
    <message>
        <source>Unknown event source: %1</source>
        <translation>Неизвестный источник события: %1</translation>
    </message>
    <message>
        <source>Executive devices</source>
        <translation>Исполнительные устройства</translation>
    </message>
    <message>
        <source>Partition #%1</source>
        <translation>Раздел №%1</translation>
    </message>
    <message>
        <source>Unknown or deleted sensor #%1</source>
        <translation>Неизвестный или удалённый датчик №%1</translation>
    </message>
    <message>
        <source>Unknown or deleted sensor. Serial number #%1</source>
        <translation>Неизвестный или удалённый датчик. Серийный номер №%1</translation>
    </message>
    <message>
        <source>User #%1</source>
        <translation>Пользователь №%1</translation>
    </message>
    <message>
        <source>Unknown system event: %1</source>
        <translation>Неизвестное системное событие: %1</translation>
    </message>
    <message>
        <source>Sensor/Counter %1. Normal</source>
        <translation>Датчик/счётчик %1. Норма</translation>
    </message>
    <message>
        <source>Counter %1. </source>
        <translation>Счётчик %1. </translation>
    </message>
    <message>
        <source>eliminated</source>
        <comment>jornal</comment>
        <translation>устранено</translation>
    </message>
    <message>
        <source>Leak</source>
        <translation>Протечка</translation>
    </message>
    <message>
        <source>Leak has been eliminated</source>
        <translation>Протечка устранена</translation>
    </message>
    <message>
        <source>Sensor %1. </source>
        <translation>Датчик %1. </translation>
    </message>
    <message>
        <source>%1. %2. %3 %4℃</source>
        <translation>%1. %2. %3 %4℃</translation>
    </message>
    <message>
        <source>Temperature: </source>
        <translation>Температура: </translation>
    </message>
    <message>
        <source>%1. %2. %3 %4%</source>
        <translation>%1. %2. %3 %4%</translation>
    </message>
    <message>
        <source>Humidity: </source>
        <translation>Влажность: </translation>
    </message>
    <message>
        <source>%1. %2. %3 %4 ppm</source>
        <translation>%1. %2. %3 %4 ppm</translation>
    </message>
    <message>
        <source>Valve %1. </source>
        <translation>Кран %1. </translation>
    </message>
    <message>
        <source>Wet cleaning mode is %1</source>
        <translation>Режим влажной уборки %1</translation>
    </message>
    <message>
        <source>enabled</source>
        <translation>включен</translation>
    </message>
    <message>
        <source>disabled</source>
        <translation>выключен</translation>
    </message>
    <message>
        <source>User: %1</source>
        <translation>Пользователь: %1</translation>
    </message>
    <message>
        <source>Sensor: %1</source>
        <translation>Датчик: %1</translation>
    </message>
    <message>
        <source>%1: %2. Sensor: %3</source>
        <comment>Zentia</comment>
        <translation>%1: %2. Датчик: %3</translation>
    </message>
    <message>
        <source>%1: %2. %3. Failed sensors: %4</source>
        <translation>%1: %2. %3. Неисправные датчики: %4</translation>
    </message>
    <message>
        <source>%1: %2. %3</source>
        <translation>%1: %2. %3</translation>
    </message>
    <message>
        <source>Unknown user</source>
        <translation>Неизвестный пользователь</translation>
    </message>
    <message>
        <source>No sensors</source>
        <translation>Нет датчиков</translation>
    </message>
    <message>
        <source>%4 Key #%1 (%3) : %2 %5. Failed sensors: %6</source>
        <translation>%4 Ключ №%1 (%3) : %2 %5. Неисправные датчики: %6</translation>
    </message>
    <message>
        <source>%4 Key #%1 (%3) : %2</source>
        <translation>%4 Ключ №%1 (%3) : %2</translation>
    </message>
    <message>
        <source>%4 Key #%1 (%3) : %2 %5</source>
        <translation>%4 Ключ №%1 (%3) : %2 %5</translation>
    </message>
    <message>
        <source>%1 Key #%2 (%3) : %4</source>
        <translation>%1 Ключ №%2 (%3) : %4</translation>
    </message>
    <message>
        <source>%1 Key #%2 (%3) : %4 %5</source>
        <translation>%1 Ключ №%2 (%3) : %4 %5</translation>
    </message>
    <message>
        <source>External management</source>
        <translation>Внешнее управление</translation>
    </message>
    <message>
        <source>Event by temperature</source>
        <translation>Событие по температуре</translation>
    </message>
    <message>
        <source>Event by humidity</source>
        <translation>Событие по влажности</translation>
    </message>
    <message>
        <source>Event by CO level</source>
        <translation>Событие по уровню CO</translation>
    </message>
    <message>
        <source>%1. Executive devices. </source>
        <translation>%1. Исполнительные устройства. </translation>
    </message>
    <message>
        <source>Out: %1</source>
        <translation>Выход: %1</translation>
    </message>
    <message>
        <source>Out #%1</source>
        <translation>Выход №%1</translation>
    </message>
    <message>
        <source>Device: %1. Out #%2</source>
        <translation>Устройство: %1. Выход №%2</translation>
    </message>
    <message>
        <source>Device #%1</source>
        <translation>Устройство №%1</translation>
    </message>
    <message>
        <source>. User: </source>
        <translation>. Пользователь: </translation>
    </message>
    <message>
        <source>%1 #%2 (%3)</source>
        <translation>%1 №%2 (%3)</translation>
    </message>
    <message>
        <source>%1 id: %2</source>
        <translation>%1 id: %2</translation>
    </message>
    <message>
        <source>%1: Changing direction settings %2, Main: %3, Reserve 1: %4, Reserve 2: %5</source>
        <translation>%1: Изменение настроек направления %2, основной: %3, резерв 1: %4, резерв 2: %5</translation>
    </message>
    <message>
        <source>Case opened. Alarm</source>
        <translation>Корпус открыт. Тревога</translation>
    </message>
    <message>
        <source>Case opened</source>
        <translation>Корпус открыт</translation>
    </message>
    <message>
        <source>Case closed</source>
        <translation>Корпус закрыт</translation>
    </message>
    <message>
        <source>Reducing the balance on the SIM card %1. Balance: %2</source>
        <translation>Снижение баланса SIM-карты %1. Баланс: %2</translation>
    </message>
    <message>
        <source>User: %1. User added: %2</source>
        <translation>Пользователь: %1. Добавлен пользователь: %2</translation>
    </message>
    <message>
        <source>User: %1. User data changed: %2: %3</source>
        <translation>Пользователь: %1. Изменены данные пользователя %2: %3</translation>
    </message>
    <message>
        <source>User: %1. Deleted user: %2</source>
        <translation>Пользователь: %1. Удалён пользователь: %2</translation>
    </message>
    <message>
        <source>SIM-card</source>
        <translation>SIM-карта</translation>
    </message>
    <message>
        <source>Used SIM2</source>
        <translation>Используется SIM2</translation>
    </message>
    <message>
        <source>Used SIM1</source>
        <translation>Используется SIM1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Downloader firmware updated successfully completed. Version changed from %1 to %2. User: %3.</source>
        <translation>ПО загрузчика успешно обновлено. Версия изменена с %1 на %2. Пользователь: %3.</translation>
    </message>
    <message>
        <source>Unknown: %1</source>
        <translation>Неизвестно: %1</translation>
    </message>
    <message>
        <source>User logged in: %1</source>
        <translation>Пользователь вошёл: %1</translation>
    </message>
    <message>
        <source>User logged out: %1</source>
        <translation>Пользователь вышел: %1</translation>
    </message>
    <message>
        <source>User auto log out due to inactivity: %1</source>
        <translation>Автоматический выход пользователя по бездействию: %1</translation>
    </message>
    <message>
        <source>Login failed. Login: %1</source>
        <translation>Ошибка входа. Логин: %1</translation>
    </message>
    <message>
        <source>Login status broken: event.LogInStatus=%1</source>
        <translation>Неверное состояние входа: event.LogInStatus=%1</translation>
    </message>
    <message>
        <source>Device firmware %1 successfully updated</source>
        <translation>ПО устройства %1 успешно обновлено</translation>
    </message>
    <message>
        <source>Unknown FW event e_FW_event = %1</source>
        <translation>Неизвестное событие ПО e_FW_event = %1</translation>
    </message>
    <message>
        <source>. Version changed from %1 to %2. User: %3</source>
        <translation>. Версия изменена с %1 на %2. Пользователь: %3</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Успешно</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Transmitting event #%1 to managing user: %2 (retry %3). %4</source>
        <translation>Передача события №%1 управляющему пользователю: %2 (попытка %3). %4</translation>
    </message>
    <message>
        <source>Transmitting event #%1 using channel &quot;%2&quot; (direction: #%3, retry: %5). %4</source>
        <translation>Передача события №%1 по каналу &quot;%2&quot; (направление: №%3, попытка: %5). %4</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Выполнено</translation>
    </message>
    <message>
        <source>Format error</source>
        <translation>Ошибка формата</translation>
    </message>
    <message>
        <source>Parameter error</source>
        <translation>Ошибка параметра</translation>
    </message>
    <message>
        <source>Unsupported command</source>
        <translation>Команда не поддерживается</translation>
    </message>
    <message>
        <source>Command can't be executed</source>
        <translation>Команда не может быть выполнена</translation>
    </message>
    <message>
        <source>Wrong password</source>
        <translation>Неверный пароль</translation>
    </message>
    <message>
        <source>Control command help requested</source>
        <translation>Запрошена справка по командам</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Доступ запрещён</translation>
    </message>
    <message>
        <source>Unknown state: %1</source>
        <translation>Неизвестное состояние: %1</translation>
    </message>
    <message>
        <source>NITZ synchronization succeeded</source>
        <comment>sync</comment>
        <translation>Синхронизация NITZ выполнена</translation>
    </message>
    <message>
        <source>NTP synchronization succeeded</source>
        <translation>Синхронизация NTP выполнена</translation>
    </message>
    <message>
        <source>HTP synchronization succeeded</source>
        <translation>Синхронизация HTP выполнена</translation>
    </message>
    <message>
        <source>TZ synchronization succeeded</source>
        <translation>Синхронизация часового пояса выполнена</translation>
    </message>
    <message>
        <source>Daylight synchronization succeeded</source>
        <translation>Синхронизация летнего времени выполнена</translation>
    </message>
    <message>
        <source>Time synchronization failed</source>
        <translation>Ошибка синхронизации времени</translation>
    </message>
    <message>
        <source>NITZ synchronization failed</source>
        <translation>Ошибка синхронизации NITZ</translation>
    </message>
    <message>
        <source>NTP synchronization failed</source>
        <translation>Ошибка синхронизации NTP</translation>
    </message>
    <message>
        <source>HTP synchronization failed</source>
        <translation>Ошибка синхронизации HTP</translation>
    </message>
    <message>
        <source>TZ synchronization failed</source>
        <translation>Ошибка синхронизации часового пояса</translation>
    </message>
    <message>
        <source>Daylight synchronization failed</source>
        <translation>Ошибка синхронизации летнего времени</translation>
    </message>
    <message>
        <source>Time synchronization (PSUTTZ) succeeded</source>
        <translation>Синхронизация времени (PSUTTZ) выполнена</translation>
    </message>
    <message>
        <source>Time synchronization (PSUTTZ) failed</source>
        <translation>Ошибка синхронизации времени (PSUTTZ)</translation>
    </message>
    <message>
        <source>Unknown time synchronization error</source>
        <translation>Неизвестная ошибка синхронизации времени</translation>
    </message>
    <message>
        <source>Test event. Direction: %1, channel: %2. Result: %3</source>
        <translation>Тестовое событие. Направление: %1, канал: %2. Результат: %3</translation>
    </message>
    <message>
        <source>Event type is not esetChannelStatus</source>
        <translation>Тип события не esetChannelStatus</translation>
    </message>
    <message>
        <source>Request partitions status</source>
        <translation>Запрос состояния разделов</translation>
    </message>
    <message>
        <source>Take on</source>
        <translation>Взятие на охрану</translation>
    </message>
    <message>
        <source>Forced take on</source>
        <translation>Принудительное взятие</translation>
    </message>
    <message>
        <source>Take off</source>
        <translation>Снятие с охраны</translation>
    </message>
    <message>
        <source>Time set</source>
        <translation>Установка времени</translation>
    </message>
    <message>
        <source>Date time set</source>
        <translation>Установка даты и времени</translation>
    </message>
    <message>
        <source>User USSD request</source>
        <translation>USSD-запрос пользователя</translation>
    </message>
    <message>
        <source>SIM Card balance request</source>
        <translation>Запрос баланса SIM-карты</translation>
    </message>
    <message>
        <source>Object num set</source>
        <translation>Установка номера объекта</translation>
    </message>
    <message>
        <source>Change phone number</source>
        <translation>Смена номера телефона</translation>
    </message>
    <message>
        <source>Change user phone number</source>
        <translation>Смена номера телефона пользователя</translation>
    </message>
    <message>
        <source>Enable new sensor add</source>
        <translation>Разрешить добавление датчиков</translation>
    </message>
    <message>
        <source>Remove sensor</source>
        <translation>Удаление датчика</translation>
    </message>
    <message>
        <source>Move sensor</source>
        <translation>Перенос датчика</translation>
    </message>
    <message>
        <source>Request device state</source>
        <translation>Запрос состояния прибора</translation>
    </message>
    <message>
        <source>Request command list</source>
        <translation>Запрос списка команд</translation>
    </message>
    <message>
        <source>Request number partitions</source>
        <translation>Запрос номеров разделов</translation>
    </message>
    <message>
        <source>Disable new sensor add</source>
        <translation>Запретить добавление датчиков</translation>
    </message>
    <message>
        <source>Enable output</source>
        <translation>Включение выхода</translation>
    </message>
    <message>
        <source>Disable output</source>
        <translation>Выключение выхода</translation>
    </message>
    <message>
        <source>Unknown command</source>
        <translation>Неизвестная команда</translation>
    </message>
    <message>
        <source>Sensor #%1</source>
        <translation>Датчик №%1</translation>
    </message>
    <message>
        <source>Sensor №%1</source>
        <translation>Датчик №%1</translation>
    </message>
    <message>
        <source>login</source>
        <translation>логин</translation>
    </message>
    <message>
        <source>name</source>
        <translation>имя</translation>
    </message>
    <message>
        <source>partitions</source>
        <translation>разделы</translation>
    </message>
    <message>
        <source>password</source>
        <translation>пароль</translation>
    </message>
    <message>
        <source>phone number</source>
        <translation>номер телефона</translation>
    </message>
    <message>
        <source>sms password</source>
        <translation>пароль SMS</translation>
    </message>
    <message>
        <source>settings</source>
        <translation>настройки</translation>
    </message>
    <message>
        <source>Manual firmware restoring to a backup successfully completed. Version changed from %1 to %2. User: %3.</source>
        <translation>Ручное восстановление ПО из резервной копии выполнено. Версия изменена с %1 на %2. Пользователь: %3.</translation>
    </message>
    <message>
        <source>Manual firmware restoring to a base version successfully completed. Version changed from %1 to %2. User: %3.</source>
        <translation>Ручное восстановление базовой версии ПО выполнено. Версия изменена с %1 на %2. Пользователь: %3.</translation>
    </message>
    <message>
        <source>Firmware updated successfully completed. Version changed from %1 to %2. User: %3.</source>
        <translation>ПО успешно обновлено. Версия изменена с %1 на %2. Пользователь: %3.</translation>
    </message>
    <message>
        <source>Firmware restoring to a backup successfully completed. Version changed from %1 to %2. User: %3.</source>
        <translation>Восстановление ПО из резервной копии выполнено. Версия изменена с %1 на %2. Пользователь: %3.</translation>
    </message>
    <message>
        <source>Firmware restoring to a base version successfully completed. Version changed from %1 to %2. User: %3.</source>
        <translation>Восстановление базовой версии ПО выполнено. Версия изменена с %1 на %2. Пользователь: %3.</translation>
    </message>
    <message>
        <source>Bootloader firmware updated successfully completed. Version changed from %1 to %2. User: %3.</source>
        <translation>ПО загрузчика успешно обновлено. Версия изменена с %1 на %2. Пользователь: %3.</translation>
    </message>
</context>
<context>
    <name>JournalWidget</name>
    <message>
        <source>Read all</source>
        <translation>Прочитать все</translation>
    </message>
    <message>
        <source>Case sensitivity</source>
        <translation>Учитывать регистр</translation>
    </message>
    <message>
        <source>ReadlAll</source>
        <translation>Прочитать всё</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Сохранить в файл</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Clear filter</source>
        <translation>Очистить фильтр</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Фильтр:</translation>
    </message>
    <message>
        <source>The device was disconnected; the journal read was not completed.</source>
        <translation>Прибор отключён; чтение журнала не завершено.</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message>
        <source>Journal</source>
        <translation>Журнал</translation>
    </message>
    <message>
        <source> #</source>
        <translation> №</translation>
    </message>
    <message>
        <source> Date</source>
        <translation> Дата</translation>
    </message>
    <message>
        <source> Time</source>
        <translation> Время</translation>
    </message>
    <message>
        <source> Source</source>
        <translation> Источник</translation>
    </message>
    <message>
        <source> Event</source>
        <translation> Событие</translation>
    </message>
    <message>
        <source>Save journal as</source>
        <translation>Сохранить журнал как</translation>
    </message>
    <message>
        <source>The journal could not be saved to %1: %2</source>
        <translation>Не удалось сохранить журнал в %1: %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Cleaning takes about 30 seconds, possible loss of events! Are you sure you want to clear the journal?</source>
        <translation>Очистка занимает около 30 секунд, возможна потеря событий! Вы уверены, что хотите очистить журнал?</translation>
    </message>
    <message>
        <source>Jornal clearing</source>
        <translation>Очистка журнала</translation>
    </message>
    <message>
        <source>Clear journal process.</source>
        <translation>Идёт очистка журнала.</translation>
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
    <name>JournalInfoDialog</name>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Copy to buffer</source>
        <translation>Копировать в буфер</translation>
    </message>
    <message>
        <source>Journal event</source>
        <translation>Событие журнала</translation>
    </message>
</context>
<context>
    <name>RealTime22bViewForm</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Значение</translation>
    </message>
</context>
<context>
    <name>PowerStatusWidgetIsp0</name>
    <message>
        <source>Power status</source>
        <translation>Состояние питания</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Аккумулятор</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Состояние:</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Уровень:</translation>
    </message>
    <message>
        <source>Current:</source>
        <translation>Ток:</translation>
    </message>
    <message>
        <source>0 A</source>
        <translation>0 А</translation>
    </message>
    <message>
        <source>Resistance:</source>
        <translation>Сопротивление:</translation>
    </message>
    <message>
        <source>0 Ohm</source>
        <translation>0 Ом</translation>
    </message>
    <message>
        <source>Voltage:</source>
        <translation>Напряжение:</translation>
    </message>
    <message>
        <source>0 V</source>
        <translation>0 В</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Сеть</translation>
    </message>
    <message>
        <source>Power supply</source>
        <translation>Источник питания</translation>
    </message>
    <message>
        <source>Device status</source>
        <translation>Состояние прибора</translation>
    </message>
    <message>
        <source>Temperature:</source>
        <translation>Температура:</translation>
    </message>
    <message>
        <source>0 C</source>
        <translation>0 C</translation>
    </message>
    <message>
        <source>Case:</source>
        <translation>Корпус:</translation>
    </message>
    <message>
        <source>Time synchronized:</source>
        <translation>Время синхронизировано:</translation>
    </message>
    <message>
        <source>Cloud server:</source>
        <translation>Облачный сервер:</translation>
    </message>
    <message>
        <source>Ethernet connection:</source>
        <translation>Подключение Ethernet:</translation>
    </message>
    <message>
        <source>Serial number:</source>
        <translation>Серийный номер:</translation>
    </message>
    <message>
        <source>%1 mA</source>
        <translation>%1 мА</translation>
    </message>
    <message>
        <source>%1 V</source>
        <translation>%1 В</translation>
    </message>
    <message>
        <source>%1 mOhm</source>
        <translation>%1 мОм</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>Недостоверно</translation>
    </message>
    <message>
        <source>Opened</source>
        <translation>Открыт</translation>
    </message>
    <message>
        <source>Closed</source>
        <translation>Закрыт</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Подключено</translation>
    </message>
    <message>
        <source>Unconnected</source>
        <translation>Не подключено</translation>
    </message>
    <message>
        <source>Unconnected in the device settings</source>
        <translation>Отключено в настройках прибора</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Неизвестно</translation>
    </message>
</context>
<context>
    <name>PowerStatusWidgetIsp1</name>
    <message>
        <source>Power status</source>
        <translation>Состояние питания</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Аккумулятор</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Состояние:</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Уровень:</translation>
    </message>
    <message>
        <source>Unbalance:</source>
        <translation>Разбаланс:</translation>
    </message>
    <message>
        <source>Resistance:</source>
        <translation>Сопротивление:</translation>
    </message>
    <message>
        <source>0 Ohm</source>
        <translation>0 Ом</translation>
    </message>
    <message>
        <source>Current:</source>
        <translation>Ток:</translation>
    </message>
    <message>
        <source>0 A</source>
        <translation>0 А</translation>
    </message>
    <message>
        <source>Voltage:</source>
        <translation>Напряжение:</translation>
    </message>
    <message>
        <source>0 V</source>
        <translation>0 В</translation>
    </message>
    <message>
        <source>External Battery</source>
        <translation>Внешний аккумулятор</translation>
    </message>
    <message>
        <source>External Power</source>
        <translation>Внешнее питание</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Прочее</translation>
    </message>
    <message>
        <source>Temperature:</source>
        <translation>Температура:</translation>
    </message>
    <message>
        <source>0 C</source>
        <translation>0 C</translation>
    </message>
    <message>
        <source>Time synchronized:</source>
        <translation>Время синхронизировано:</translation>
    </message>
    <message>
        <source>%1 mA</source>
        <translation>%1 мА</translation>
    </message>
    <message>
        <source>%1 V</source>
        <translation>%1 В</translation>
    </message>
    <message>
        <source>%1 mOhm</source>
        <translation>%1 мОм</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>Недостоверно</translation>
    </message>
</context>
<context>
    <name>PowerStatusWidgetIsp2</name>
    <message>
        <source>Power status</source>
        <translation>Состояние питания</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Аккумулятор</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Состояние:</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Уровень:</translation>
    </message>
    <message>
        <source>Unbalance:</source>
        <translation>Разбаланс:</translation>
    </message>
    <message>
        <source>0 V</source>
        <translation>0 В</translation>
    </message>
    <message>
        <source>Battery 1</source>
        <translation>Батарея 1</translation>
    </message>
    <message>
        <source>Resistance:</source>
        <translation>Сопротивление:</translation>
    </message>
    <message>
        <source>0 Ohm</source>
        <translation>0 Ом</translation>
    </message>
    <message>
        <source>Charge level:</source>
        <translation>Уровень заряда:</translation>
    </message>
    <message>
        <source>Voltage:</source>
        <translation>Напряжение:</translation>
    </message>
    <message>
        <source>Battery 2</source>
        <translation>Батарея 2</translation>
    </message>
    <message>
        <source>Power supply</source>
        <translation>Источник питания</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Прочее</translation>
    </message>
    <message>
        <source>Temperature:</source>
        <translation>Температура:</translation>
    </message>
    <message>
        <source>0 C</source>
        <translation>0 C</translation>
    </message>
    <message>
        <source>Time synchronized:</source>
        <translation>Время синхронизировано:</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>%1 V</source>
        <translation>%1 В</translation>
    </message>
    <message>
        <source>%1 mOhm</source>
        <translation>%1 мОм</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>Недостоверно</translation>
    </message>
</context>
</TS>
