<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>ASRCountersValues</name>
    <message>
        <source>ASR counters impulses</source>
        <translation>Импульсы счётчиков АСР</translation>
    </message>
    <message>
        <source>Set ASR counters impulses</source>
        <translation>Показания счётчиков АСР</translation>
    </message>
    <message>
        <source>Counter 1 m³:</source>
        <translation>Счётчик 1, м³:</translation>
    </message>
    <message>
        <source>Counter 2 m³:</source>
        <translation>Счётчик 2, м³:</translation>
    </message>
    <message>
        <source>Counter 3:</source>
        <translation>Счётчик 3:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
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
    <name>AddSensorsList</name>
    <message>
        <source>Add sensors</source>
        <translation>Добавление устройств</translation>
    </message>
    <message>
        <source>Add sensors to partition</source>
        <translation>Добавление устройств в раздел</translation>
    </message>
    <message>
        <source>#</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Sensors added:</source>
        <translation>Добавлено:</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Add sensors to partition %1</source>
        <translation>Добавление устройств в раздел %1</translation>
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
    <name>ChangeChannelGroup</name>
    <message>
        <source>Channel group changing</source>
        <translation>Смена группы каналов</translation>
    </message>
    <message>
        <source>Are you sure you want to change the channel group?
All devices will be lost and will require reconfiguration.</source>
        <translation>Вы уверены, что хотите сменить группу каналов?
Все устройства будут потеряны, их потребуется подключить заново.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>ChannelLoadAnalysis</name>
    <message>
        <source>Radio channel load analysis</source>
        <translation>Анализ загрузки радиоканала</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Запуск</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Radio channel load analysis launched</source>
        <translation>Анализ загрузки радиоканала запущен</translation>
    </message>
    <message>
        <source>Radio channel load analysis stopped</source>
        <translation>Анализ загрузки радиоканала остановлен</translation>
    </message>
    <message>
        <source>Finished at %1</source>
        <translation>Завершено в %1</translation>
    </message>
    <message>
        <source>Wrong addr = %1</source>
        <translation>Неверный адрес = %1</translation>
    </message>
    <message>
        <source>A noise answer claims %1 samples; only %2 are read</source>
        <translation>Ответ об уровне шума заявляет %1 отсчётов; прочитано только %2</translation>
    </message>
    <message>
        <source>Noise measuring going on. Updated at %1</source>
        <translation>Идёт измерение шума. Обновлено в %1</translation>
    </message>
</context>
<context>
    <name>ChannelSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Отключен</translation>
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
        <source>Phone call</source>
        <translation>Звонок</translation>
    </message>
    <message>
        <source>DC-09</source>
        <translation>DC-09</translation>
    </message>
    <message>
        <source>SurGard</source>
        <translation>SurGard</translation>
    </message>
    <message>
        <source>Notification type:</source>
        <translation>Тип канала:</translation>
    </message>
    <message>
        <source>Current user:</source>
        <translation>Текущий пользователь:</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Английский</translation>
    </message>
    <message>
        <source>Send event time</source>
        <translation>Передавать время события</translation>
    </message>
    <message>
        <source>Send event date</source>
        <translation>Передавать дату события</translation>
    </message>
    <message>
        <source>Phone number:</source>
        <translation>Номер телефона:</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Язык:</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>Ethernet</source>
        <translation>Ethernet</translation>
    </message>
    <message>
        <source>GPRS</source>
        <translation>GPRS</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Шифрование</translation>
    </message>
    <message>
        <source>Key:</source>
        <translation>Ключ:</translation>
    </message>
    <message>
        <source>Address (IP or URL):</source>
        <translation>Адрес (IP или URL):</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Порт:</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Канал связи</translation>
    </message>
    <message>
        <source>Answer timeout, sec:</source>
        <translation>Ожидание ответа, с:</translation>
    </message>
    <message>
        <source>Retries count:</source>
        <translation>Число попыток:</translation>
    </message>
    <message>
        <source>Timeout on error (hh:mm):</source>
        <translation>Пауза после ошибки (чч:мм):</translation>
    </message>
    <message>
        <source>Channel testing</source>
        <translation>Тестирование канала</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>Всегда</translation>
    </message>
    <message>
        <source>Channel is active</source>
        <translation>Канал активен</translation>
    </message>
    <message>
        <source>SMS</source>
        <translation>SMS</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Звонок</translation>
    </message>
    <message>
        <source>SMS Quenor</source>
        <translation>SMS Quenor</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Интервал</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Расписание</translation>
    </message>
    <message>
        <source>Testing interval (hh:mm):</source>
        <translation>Интервал (чч:мм):</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Пн</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Вт</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Ср</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Чт</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Пт</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Сб</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Вс</translation>
    </message>
    <message>
        <source>Test when:</source>
        <translation>Тестировать:</translation>
    </message>
    <message>
        <source>Testing mode:</source>
        <translation>Режим тестирования:</translation>
    </message>
    <message>
        <source>Test schedule:</source>
        <translation>Расписание тестов:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
</context>
<context>
    <name>CustomSpinBox</name>
    <message>
        <source>^(?:[1-9]|[1-9][0-9]){0,1}$</source>
        <translation>^(?:[1-9]|[1-9][0-9]){0,1}$</translation>
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
    <message>
        <source>The MAC address is incomplete, it was not saved</source>
        <translation>MAC-адрес введён не полностью и не сохранён</translation>
    </message>
</context>
<context>
    <name>DeleteById</name>
    <message>
        <source>Delete by number</source>
        <translation>Удаление по номеру</translation>
    </message>
    <message>
        <source>Remove one radio device by number</source>
        <translation>Удалить одно радиоустройство по номеру</translation>
    </message>
    <message>
        <source>Remove group of radio devices</source>
        <translation>Удалить группу</translation>
    </message>
    <message>
        <source>From</source>
        <translation>С</translation>
    </message>
    <message>
        <source>To</source>
        <translation>По</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
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
    <name>DirectionSettings</name>
    <message>
        <source>Direction #%1</source>
        <translation>Направление №%1</translation>
    </message>
    <message>
        <source>%1 directions updated from JSON</source>
        <translation>Направлений обновлено из JSON: %1</translation>
    </message>
    <message>
        <source>A direction of the file has a wrong number: it was not written.</source>
        <translation>Направление в файле имеет неверный номер: оно не записано.</translation>
    </message>
    <message>
        <source>Direction %1: the value of &quot;%2&quot; was refused, the direction was not written.</source>
        <translation>Направление %1: значение &quot;%2&quot; не принято, направление не записано.</translation>
    </message>
</context>
<context>
    <name>DirectionSettingsWidget</name>
    <message>
        <source>Direction settings</source>
        <translation>Настройки направления</translation>
    </message>
    <message>
        <source>Direction name:</source>
        <translation>Название направления:</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Partitions and events</source>
        <translation>Разделы и события</translation>
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
        <source>Partitions</source>
        <translation>Разделы</translation>
    </message>
    <message>
        <source>Events that would be sent through this Notifier</source>
        <translation>Передаваемые события</translation>
    </message>
    <message>
        <source>New Column</source>
        <translation>События</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Reset to default</source>
        <translation>Сбросить по умолчанию</translation>
    </message>
    <message>
        <source>Partition events</source>
        <translation>События разделов</translation>
    </message>
    <message>
        <source>Sensor events</source>
        <translation>События датчиков</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Питание</translation>
    </message>
    <message>
        <source>System events</source>
        <translation>Системные события</translation>
    </message>
    <message>
        <source>Out events</source>
        <translation>События выходов</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Загрузка...</translation>
    </message>
    <message>
        <source>Phone number is empty.</source>
        <translation>Не указан номер телефона.</translation>
    </message>
    <message>
        <source>Phone number is empty. (Reserve %1)</source>
        <translation>Не указан номер телефона. (Резерв %1)</translation>
    </message>
    <message>
        <source>Settings saving</source>
        <translation>Сохранение настроек</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the settings?</source>
        <translation>Вы уверены, что хотите сбросить настройки?</translation>
    </message>
    <message>
        <source>Reset settings</source>
        <translation>Сброс настроек</translation>
    </message>
    <message>
        <source>Executive devices</source>
        <translation>Исполнительные устройства</translation>
    </message>
</context>
<context>
    <name>DirectionsWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Handled event:</source>
        <translation>Обрабатываемое событие:</translation>
    </message>
    <message>
        <source>Reset translations</source>
        <translation>Сбросить трансляцию</translation>
    </message>
    <message>
        <source>Direction name</source>
        <translation>Название направления</translation>
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
        <source>Event</source>
        <translation>Событие</translation>
    </message>
    <message>
        <source>Direction was modified</source>
        <translation>Направление изменено</translation>
    </message>
    <message>
        <source>Direction &quot;%1&quot; was modified.
Illegal settings can&apos;t be saved.</source>
        <translation>Направление &quot;%1&quot; изменено.
Недопустимые настройки нельзя сохранить.</translation>
    </message>
    <message>
        <source>Direction &quot;%1&quot; was modified.
Do you want to save changes?</source>
        <translation>Направление &quot;%1&quot; изменено.
Сохранить изменения?</translation>
    </message>
    <message>
        <source>The phone number field is empty!
Settings &quot;%1&quot; cannot be saved.</source>
        <translation>Не указан номер телефона!
Настройки &quot;%1&quot; нельзя сохранить.</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Ожидание</translation>
    </message>
    <message>
        <source>All events have been sent. Waiting for new events</source>
        <translation>Все события переданы. Ожидание новых событий</translation>
    </message>
    <message>
        <source>Changing settings is only available when all sections are untaken</source>
        <translation>Изменение настроек доступно, только когда все разделы сняты с охраны</translation>
    </message>
    <message>
        <source>Do you really want to clear all tranlations?</source>
        <translation>Вы действительно хотите сбросить всю трансляцию событий?</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Внимание</translation>
    </message>
</context>
<context>
    <name>EthernetSettings</name>
    <message>
        <source>The section &quot;%1&quot; is not an object; nothing is read from it</source>
        <translation>Секция &quot;%1&quot; не является объектом; из неё ничего не прочитано</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: &quot;%2&quot; is not an IPv6 address; &quot;::&quot; is stored instead</source>
        <translation>&quot;%1&quot;: &quot;%2&quot; не является адресом IPv6; вместо него сохранён &quot;::&quot;</translation>
    </message>
</context>
<context>
    <name>EthernetSettingsWidget</name>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Reset to default</source>
        <translation>Сбросить по умолчанию</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>MAC-адрес</translation>
    </message>
    <message>
        <source>Changed to</source>
        <translation>Изменён на</translation>
    </message>
    <message>
        <source>Get verify code</source>
        <translation>Получить код подтверждения</translation>
    </message>
    <message>
        <source>Device domain name</source>
        <translation>Доменное имя прибора</translation>
    </message>
    <message>
        <source>Network connection channel</source>
        <translation>Канал подключения к сети</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>Ethernet</source>
        <translation>Ethernet</translation>
    </message>
    <message>
        <source>GPRS</source>
        <translation>GPRS</translation>
    </message>
    <message>
        <source>The most important settings in the world</source>
        <translation>Самые важные настройки в мире</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>The magic word</source>
        <translation>Волшебное слово</translation>
    </message>
    <message>
        <source>Data saving mode</source>
        <translation>Режим экономии трафика</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Подключить</translation>
    </message>
    <message>
        <source>Get settings automatically</source>
        <translation>Получать настройки автоматически</translation>
    </message>
    <message>
        <source>Use as a server</source>
        <translation>Использовать как сервер</translation>
    </message>
    <message>
        <source>Manual setup</source>
        <translation>Ручная настройка</translation>
    </message>
    <message>
        <source>IPv4 address</source>
        <translation>Адрес IPv4</translation>
    </message>
    <message>
        <source>Subnet mask</source>
        <translation>Маска подсети</translation>
    </message>
    <message>
        <source>Default gateway</source>
        <translation>Основной шлюз</translation>
    </message>
    <message>
        <source>Preferred DNS server</source>
        <translation>Предпочитаемый DNS-сервер</translation>
    </message>
    <message>
        <source>Alternative DNS server</source>
        <translation>Альтернативный DNS-сервер</translation>
    </message>
    <message>
        <source>Local IPv6 server</source>
        <translation>Локальный адрес IPv6</translation>
    </message>
    <message>
        <source>Global IPv6 server</source>
        <translation>Глобальный адрес IPv6</translation>
    </message>
    <message>
        <source>Preferred DNS IPv6</source>
        <translation>Предпочитаемый DNS IPv6</translation>
    </message>
    <message>
        <source>Alternative DNS IPv6</source>
        <translation>Альтернативный DNS IPv6</translation>
    </message>
    <message>
        <source>Remote control needs the administrator&apos;s contact phone number. Please add it to the administrator&apos;s profile.</source>
        <translation>Для удалённого управления нужен контактный номер телефона администратора. Укажите его в профиле администратора.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>The data is incorrect in this settings:
%1</source>
        <translation>Неверные данные в настройках:
%1</translation>
    </message>
    <message>
        <source>Data is not correct</source>
        <translation>Неверные данные</translation>
    </message>
    <message>
        <source>A reboot is required to apply the settings. Do you want to reload?</source>
        <translation>Для применения настроек нужна перезагрузка. Перезагрузить прибор?</translation>
    </message>
    <message>
        <source>Settings was modified</source>
        <translation>Настройки изменены</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the settings?</source>
        <translation>Вы уверены, что хотите сбросить настройки?</translation>
    </message>
    <message>
        <source>Reset settings</source>
        <translation>Сброс настроек</translation>
    </message>
    <message>
        <source>Verify code</source>
        <translation>Код подтверждения</translation>
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
    <name>GSMSettings</name>
    <message>
        <source>SIM %1 &quot;%2&quot;: the text is longer than %3 bytes and is not read</source>
        <translation>SIM %1 &quot;%2&quot;: текст длиннее %3 байт и не прочитан</translation>
    </message>
    <message>
        <source>The section &quot;%1&quot; is not an object; nothing is read from it</source>
        <translation>Секция &quot;%1&quot; не является объектом; из неё ничего не прочитано</translation>
    </message>
    <message>
        <source>&quot;BalanceBelow&quot;: %1 is out of range; %2 is stored instead</source>
        <translation>&quot;BalanceBelow&quot;: %1 вне диапазона; вместо него сохранено %2</translation>
    </message>
</context>
<context>
    <name>GSMSettingsWidget</name>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Reset to default</source>
        <translation>Сбросить по умолчанию</translation>
    </message>
    <message>
        <source>Enable GSM</source>
        <translation>Включить GSM</translation>
    </message>
    <message>
        <source>Enable GPRS</source>
        <translation>Включить GPRS</translation>
    </message>
    <message>
        <source>Enable reserve SIM-card</source>
        <translation>Включить резервную SIM-карту</translation>
    </message>
    <message>
        <source>Redirect USSD</source>
        <translation>Пересылать ответы USSD</translation>
    </message>
    <message>
        <source>Balance notification threshold</source>
        <translation>Порог оповещения о балансе</translation>
    </message>
    <message>
        <source>Enable Transmit</source>
        <translation>Разрешить трансляцию событий</translation>
    </message>
    <message>
        <source>SIM %1</source>
        <translation>SIM %1</translation>
    </message>
    <message>
        <source>Disable PIN</source>
        <translation>Отключить PIN</translation>
    </message>
    <message>
        <source>PIN</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>Change...</source>
        <translation>Изменить...</translation>
    </message>
    <message>
        <source>USSD for balance check</source>
        <translation>USSD запроса баланса</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>Дополнительные настройки</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Имя пользователя</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>SIM %1: %2 (at most %3 bytes)</source>
        <translation>SIM %1: %2 (не более %3 байт)</translation>
    </message>
    <message>
        <source>These texts are too long and nothing was saved:
%1</source>
        <translation>Эти тексты слишком длинные, ничего не сохранено:
%1</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Unable to save PIN with invalid value</source>
        <translation>Нельзя сохранить неверный PIN</translation>
    </message>
    <message>
        <source>Settings was changed</source>
        <translation>Настройки были изменены</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the settings?</source>
        <translation>Вы уверены, что хотите сбросить настройки?</translation>
    </message>
    <message>
        <source>Reset settings</source>
        <translation>Сброс настроек</translation>
    </message>
    <message>
        <source>Enable PIN</source>
        <translation>Включить PIN</translation>
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
        <source>On</source>
        <translation>Включен</translation>
    </message>
    <message>
        <source>GSM module status</source>
        <translation>Состояние GSM-модуля</translation>
    </message>
    <message>
        <source>Power:</source>
        <translation>Питание:</translation>
    </message>
    <message>
        <source>Active:</source>
        <translation>Активна:</translation>
    </message>
    <message>
        <source>IMEI:</source>
        <translation>IMEI:</translation>
    </message>
    <message>
        <source>SIM %1</source>
        <translation>SIM %1</translation>
    </message>
    <message>
        <source>Operator:</source>
        <translation>Оператор:</translation>
    </message>
    <message>
        <source>Balance:</source>
        <translation>Баланс:</translation>
    </message>
    <message>
        <source>Network state:</source>
        <translation>Сеть:</translation>
    </message>
    <message>
        <source>GPRS state:</source>
        <translation>GPRS:</translation>
    </message>
    <message>
        <source>Signal level:</source>
        <translation>Уровень сигнала:</translation>
    </message>
    <message>
        <source>Set active</source>
        <translation>Сделать активной</translation>
    </message>
    <message>
        <source>Request balance</source>
        <translation>Запросить баланс</translation>
    </message>
    <message>
        <source>No signal</source>
        <translation>Нет сигнала</translation>
    </message>
    <message>
        <source>%1 dBm</source>
        <translation>%1 дБм</translation>
    </message>
    <message>
        <source>Expenses:</source>
        <translation>Расход:</translation>
    </message>
    <message>
        <source>Test SMS has been send.</source>
        <translation>Тестовое SMS отправлено.</translation>
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
    <name>IButtonAddDialog</name>
    <message>
        <source>Edit key %1 settings</source>
        <translation>Изменение настроек ключа %1</translation>
    </message>
    <message>
        <source>Input new key identificator:</source>
        <translation>Новый идентификатор:</translation>
    </message>
    <message>
        <source>Select new user:</source>
        <translation>Новый пользователь:</translation>
    </message>
    <message>
        <source>Input new access law:</source>
        <translation>Новый закон доступа:</translation>
    </message>
    <message>
        <source>Input new controlled partitions:</source>
        <translation>Новые разделы:</translation>
    </message>
    <message>
        <source>Not selected</source>
        <translation>Не выбраны</translation>
    </message>
    <message>
        <source>You can&apos;t create a key with ID 0.</source>
        <translation>Нельзя создать ключ с идентификатором 0.</translation>
    </message>
    <message>
        <source>A key with this name already exists.</source>
        <translation>Ключ с таким идентификатором уже существует.</translation>
    </message>
    <message>
        <source>Add new IButton</source>
        <translation>Добавление ключа iButton</translation>
    </message>
    <message>
        <source>Enter key identificator:</source>
        <translation>Идентификатор ключа:</translation>
    </message>
    <message>
        <source>Enter user:</source>
        <translation>Пользователь:</translation>
    </message>
    <message>
        <source>Enter access law:</source>
        <translation>Закон доступа:</translation>
    </message>
    <message>
        <source>Enter controlled partitions:</source>
        <translation>Управляемые разделы:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ок</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
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
    <name>IButtonModel</name>
    <message>
        <source>No partitions</source>
        <translation>Нет разделов</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Не задан</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>Идентификатор</translation>
    </message>
    <message>
        <source>Partitions</source>
        <translation>Разделы</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Права</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Пользователь</translation>
    </message>
</context>
<context>
    <name>IButtonPartitionDelegate</name>
    <message>
        <source>No partitions</source>
        <translation>Нет разделов</translation>
    </message>
</context>
<context>
    <name>IButtonPermissionDelegate</name>
    <message>
        <source>couldn&apos;t set combo box index</source>
        <translation>не удалось выбрать элемент списка</translation>
    </message>
</context>
<context>
    <name>IButtonsWidget</name>
    <message>
        <source>Add via reader</source>
        <translation>Добавить через считыватель</translation>
    </message>
    <message>
        <source>Add manually</source>
        <translation>Добавить вручную</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Changing settings is only available when all sections are untaken</source>
        <translation>Изменение настроек доступно, только когда все разделы сняты с охраны</translation>
    </message>
    <message>
        <source>You cannot create more than 64 keys.</source>
        <translation>Нельзя создать больше 64 ключей.</translation>
    </message>
    <message>
        <source>Failed to add a new key.</source>
        <translation>Не удалось добавить новый ключ.</translation>
    </message>
    <message>
        <source>To perform the actions you need to choose a key from the list.</source>
        <translation>Для выполнения действия выберите ключ из списка.</translation>
    </message>
    <message>
        <source>
and %1 more keys.
</source>
        <translation>
и ещё %1 ключей.
</translation>
    </message>
    <message>
        <source>Are you sure you want to delete key(s): %1</source>
        <translation>Вы уверены, что хотите удалить ключ(и): %1</translation>
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
        <source>Command can&apos;t be executed</source>
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
    <name>JournalWidget</name>
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
    <message>
        <source>&quot;%1&quot;;&quot;%2&quot;;&quot;%3&quot;;&quot;%4&quot;;&quot;%5&quot;<byte value="xd"/>
</source>
        <translation>&quot;%1&quot;;&quot;%2&quot;;&quot;%3&quot;;&quot;%4&quot;;&quot;%5&quot;<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>KPCountersValues</name>
    <message>
        <source>KP counters impulses</source>
        <translation>Импульсы счётчиков КП</translation>
    </message>
    <message>
        <source>Set KP counters impulses</source>
        <translation>Показания счётчиков КП</translation>
    </message>
    <message>
        <source>Counter 1 m³</source>
        <translation>Счётчик 1, м³</translation>
    </message>
    <message>
        <source>Counter 2 m³</source>
        <translation>Счётчик 2, м³</translation>
    </message>
    <message>
        <source>Set KP counters serial numbers</source>
        <translation>Серийные номера счётчиков КП</translation>
    </message>
    <message>
        <source>Counter 1</source>
        <translation>Счётчик 1</translation>
    </message>
    <message>
        <source>Counter 2</source>
        <translation>Счётчик 2</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
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
        <translation>Версия:</translation>
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
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>You must select at least one administrator to apply the settings.</source>
        <translation>Для применения настроек необходимо выбрать хотя бы одного администратора.</translation>
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
        <translation>О программе</translation>
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
        <translation>Предупреждение</translation>
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
    <name>MaskEditWidget</name>
    <message>
        <source>Time:</source>
        <translation>Время:</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Громкость:</translation>
    </message>
    <message>
        <source>End state</source>
        <translation>Конечное состояние</translation>
    </message>
    <message>
        <source>Modulation</source>
        <translation>Модуляция</translation>
    </message>
    <message>
        <source>Mask:</source>
        <translation>Маска:</translation>
    </message>
    <message>
        <source>Raw data:</source>
        <translation>Исходные данные:</translation>
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
    <name>NetworkManager</name>
    <message>
        <source>Reply is too large</source>
        <translation>Ответ слишком большой</translation>
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
    <name>ObjectSettingsWidget</name>
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
    <name>OnlineUpdateSetup</name>
    <message>
        <source>Defaultp proxy</source>
        <translation>Прокси по умолчанию</translation>
    </message>
    <message>
        <source>Socks5 proxy</source>
        <translation>Прокси SOCKS5</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Без прокси</translation>
    </message>
    <message>
        <source>Http proxy</source>
        <translation>Прокси HTTP</translation>
    </message>
    <message>
        <source>Http caching proxy</source>
        <translation>Кэширующий прокси HTTP</translation>
    </message>
    <message>
        <source>FtpCaching proxy</source>
        <translation>Кэширующий прокси FTP</translation>
    </message>
    <message>
        <source>Online update setup</source>
        <translation>Настройка онлайн-обновления</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Сервер:</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Прокси</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Тип:</translation>
    </message>
    <message>
        <source>Host name:</source>
        <translation>Имя хоста:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Порт:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Пользователь:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Пароль:</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the settings?</source>
        <translation>Вы уверены, что хотите сбросить настройки?</translation>
    </message>
    <message>
        <source>Reset settings</source>
        <translation>Сброс настроек</translation>
    </message>
</context>
<context>
    <name>OnlineUpdateWidget</name>
    <message>
        <source>Proxy ON</source>
        <translation>Прокси включен</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Без прокси</translation>
    </message>
    <message>
        <source>Request completed</source>
        <translation>Запрос выполнен</translation>
    </message>
    <message>
        <source>Reply not running</source>
        <translation>Ответ не выполняется</translation>
    </message>
    <message>
        <source>Reply recieved</source>
        <translation>Ответ получен</translation>
    </message>
    <message>
        <source>%1 firmwares found in online</source>
        <translation>Найдено прошивок на сервере: %1</translation>
    </message>
    <message>
        <source>Firmware request completed</source>
        <translation>Запрос прошивок выполнен</translation>
    </message>
    <message>
        <source>%1: hw: %2, fw: %3 (%4 %5)</source>
        <translation>%1: оборудование: %2, прошивка: %3 (%4 %5)</translation>
    </message>
    <message>
        <source>SSL error: %1</source>
        <translation>Ошибка SSL: %1</translation>
    </message>
    <message>
        <source>Reply parsing error: NOT_DOCUMENT</source>
        <translation>Ошибка разбора ответа: NOT_DOCUMENT</translation>
    </message>
    <message>
        <source>Reply parsing error: NOT_ARRAY</source>
        <translation>Ошибка разбора ответа: NOT_ARRAY</translation>
    </message>
    <message>
        <source>Reply parsing error: NO_FIRMWARES</source>
        <translation>Ошибка разбора ответа: NO_FIRMWARES</translation>
    </message>
    <message>
        <source>Reply error: ERROR_OCURRED</source>
        <translation>Ошибка ответа: ERROR_OCURRED</translation>
    </message>
    <message>
        <source>Parsing error</source>
        <translation>Ошибка разбора</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Failed to open file</source>
        <translation>Не удалось открыть файл</translation>
    </message>
    <message>
        <source>File downloaded</source>
        <translation>Файл загружен</translation>
    </message>
    <message>
        <source>File loading...</source>
        <translation>Загрузка файла...</translation>
    </message>
    <message>
        <source>%1 firmwares downloaded from online service</source>
        <translation>Загружено прошивок с сервера: %1</translation>
    </message>
    <message>
        <source>Failed to read dmia file</source>
        <translation>Не удалось прочитать файл dmia</translation>
    </message>
    <message>
        <source>Proxy installed. Try again</source>
        <translation>Прокси настроен. Повторите попытку</translation>
    </message>
    <message>
        <source>fw %1.%2 (%3 %4)</source>
        <translation>прошивка %1.%2 (%3 %4)</translation>
    </message>
    <message>
        <source>hw %1.%2, </source>
        <translation>оборудование %1.%2, </translation>
    </message>
    <message>
        <source>Unknown execution.</source>
        <translation>Неизвестное исполнение.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Core: %1</source>
        <translation>Ядро: %1</translation>
    </message>
    <message>
        <source>Radio: %1</source>
        <translation>Радио: %1</translation>
    </message>
    <message>
        <source>Bootloader: %1</source>
        <translation>Загрузчик: %1</translation>
    </message>
    <message>
        <source>Flash: %1</source>
        <translation>Flash: %1</translation>
    </message>
    <message>
        <source>Web: %1</source>
        <translation>Web: %1</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Заблокировано</translation>
    </message>
    <message>
        <source>Core</source>
        <translation>Ядро</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Радио</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Core base</source>
        <translation>Ядро (базовое)</translation>
    </message>
    <message>
        <source>Radio base</source>
        <translation>Радио (базовое)</translation>
    </message>
    <message>
        <source>Bootloader</source>
        <translation>Загрузчик</translation>
    </message>
    <message>
        <source>Firmware not loaded</source>
        <translation>Прошивка не загружена</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>base</source>
        <translation>базовое</translation>
    </message>
    <message>
        <source>No information</source>
        <translation>Нет данных</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Korvel LTE</source>
        <translation>Korvel LTE</translation>
    </message>
    <message>
        <source>Korvel GSM</source>
        <translation>Korvel GSM</translation>
    </message>
    <message>
        <source>Version: &lt;b&gt;%1.%2&lt;/b&gt;</source>
        <translation>Версия: &lt;b&gt;%1.%2&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Execution: &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>Исполнение: &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Modification: &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>Модификация: &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Will be updated %1 with address: %2</source>
        <translation>Будет обновлено: %1 с адресом %2</translation>
    </message>
    <message>
        <source>Will be updated: %1</source>
        <translation>Будет обновлено: %1</translation>
    </message>
    <message>
        <source>Current firmware not found</source>
        <translation>Текущая прошивка не найдена</translation>
    </message>
    <message>
        <source>Flash erase failed</source>
        <translation>Ошибка стирания flash</translation>
    </message>
    <message>
        <source> Code: %1</source>
        <translation> Код: %1</translation>
    </message>
    <message>
        <source>Flash erasing complete successfully</source>
        <translation>Стирание flash успешно завершено</translation>
    </message>
    <message>
        <source>Please wait. Uploading firmware file to device...</source>
        <translation>Подождите. Загрузка файла прошивки в прибор...</translation>
    </message>
    <message>
        <source>Uploading firmware to Korvel-GSM</source>
        <translation>Загрузка прошивки в Korvel-GSM</translation>
    </message>
    <message>
        <source>Firmware uploaded. Ready to update sensors</source>
        <translation>Прошивка загружена. Можно обновлять датчики</translation>
    </message>
    <message>
        <source>Please wait. Updating core.</source>
        <translation>Подождите. Обновление ядра.</translation>
    </message>
    <message>
        <source>Core software updating</source>
        <translation>Обновление ПО ядра</translation>
    </message>
    <message>
        <source>Please wait. Updating radio...</source>
        <translation>Подождите. Обновление радио...</translation>
    </message>
    <message>
        <source>Please wait. Updating bootloader...</source>
        <translation>Подождите. Обновление загрузчика...</translation>
    </message>
    <message>
        <source>Web updating</source>
        <translation>Обновление Web</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Ошибка обновления</translation>
    </message>
    <message>
        <source>Update status</source>
        <translation>Состояние обновления</translation>
    </message>
    <message>
        <source>Firmware updated.</source>
        <translation>Прошивка обновлена.</translation>
    </message>
    <message>
        <source>Update complete</source>
        <translation>Обновление завершено</translation>
    </message>
    <message>
        <source>Updating interrupted</source>
        <translation>Обновление прервано</translation>
    </message>
    <message>
        <source>%1 updating</source>
        <translation>Обновление: %1</translation>
    </message>
    <message>
        <source>Progress: %1%</source>
        <translation>Выполнено: %1%</translation>
    </message>
    <message>
        <source>Update stopped</source>
        <translation>Обновление остановлено</translation>
    </message>
    <message>
        <source>Update completed successfully</source>
        <translation>Обновление успешно завершено</translation>
    </message>
    <message>
        <source>Error occurred: %1</source>
        <translation>Произошла ошибка: %1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Устройство</translation>
    </message>
    <message>
        <source>hw</source>
        <translation>Оборудование</translation>
    </message>
    <message>
        <source>fw</source>
        <translation>Прошивка</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Loaded</source>
        <translation>Загружена</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Current version</source>
        <translation>Текущая версия</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Сборка</translation>
    </message>
    <message>
        <source>Serial number: &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>Серийный номер: &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Changing settings is only available when all sections are untaken</source>
        <translation>Изменение настроек доступно, только когда все разделы сняты с охраны</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Подключено</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Отключено</translation>
    </message>
    <message>
        <source>Please, select firmware file</source>
        <translation>Выберите файл прошивки</translation>
    </message>
    <message>
        <source>%1 firmwares loaded from file</source>
        <translation>Загружено прошивок из файла: %1</translation>
    </message>
    <message>
        <source>Only compatible</source>
        <translation>Только совместимые</translation>
    </message>
    <message>
        <source>Firmwares:</source>
        <translation>Прошивки:</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Открыть файл</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Проверить</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Обновить</translation>
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
        <source>Only deprecated</source>
        <translation>Только устаревшие</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Версия:</translation>
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
        <source>The firmware %1 (%2 bytes) is too large to be sent to the device.</source>
        <translation>Прошивка %1 (%2 байт) слишком велика для передачи в устройство.</translation>
    </message>
    <message>
        <source>The device %1 does not take the firmware loaded into Korvel-GSM</source>
        <translation>Устройство %1 не принимает прошивку, загруженную в Korvel-GSM</translation>
    </message>
</context>
<context>
    <name>OutSettingsWidget</name>
    <message>
        <source>Output settings</source>
        <translation>Настройки выхода</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Название:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>The output name is too long: at most %1 bytes in UTF-8 fit. Nothing was written.</source>
        <translation>Название выхода слишком длинное: помещается не более %1 байт в UTF-8. Ничего не записано.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
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
    <name>OutputSettingsWidget</name>
    <message>
        <source>Off</source>
        <translation>Выключен</translation>
    </message>
    <message>
        <source>Standard control</source>
        <translation>Стандартное управление</translation>
    </message>
    <message>
        <source>Ext control</source>
        <translation>Внешнее управление</translation>
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
    <message>
        <source>Mode:</source>
        <translation>Режим:</translation>
    </message>
    <message>
        <source>Log events to journal</source>
        <translation>Записывать события в журнал</translation>
    </message>
    <message>
        <source>Presets (Output control tactics)</source>
        <translation>Шаблоны (тактики управления выходом)</translation>
    </message>
    <message>
        <source>Default tactic</source>
        <translation>Тактика по умолчанию</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Лампа</translation>
    </message>
    <message>
        <source>Battery lamp</source>
        <translation>Лампа на батарее</translation>
    </message>
    <message>
        <source>Siren</source>
        <translation>Сирена</translation>
    </message>
    <message>
        <source>Discrete</source>
        <translation>Дискретный</translation>
    </message>
    <message>
        <source>Tactic is not defined</source>
        <translation>Тактика не задана</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
</context>
<context>
    <name>OutputSettingsWidgetControlled</name>
    <message>
        <source>Enable mask</source>
        <translation>Маска включения</translation>
    </message>
    <message>
        <source>Disable mask</source>
        <translation>Маска выключения</translation>
    </message>
    <message>
        <source>Out group number</source>
        <translation>Номер группы выходов</translation>
    </message>
    <message>
        <source>Allow SMS and WEB control </source>
        <translation>Разрешить управление по SMS и WEB </translation>
    </message>
    <message>
        <source>Allow call control</source>
        <translation>Разрешить управление звонком</translation>
    </message>
    <message>
        <source>Allow keychain control</source>
        <translation>Разрешить управление брелоком</translation>
    </message>
</context>
<context>
    <name>OutputSettingsWidgetEvents</name>
    <message>
        <source>Partitions:</source>
        <translation>Разделы:</translation>
    </message>
    <message>
        <source>Take on</source>
        <translation>Взятие</translation>
    </message>
    <message>
        <source>Take off</source>
        <translation>Снятие</translation>
    </message>
    <message>
        <source>Not taken</source>
        <translation>Невзятие</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Пожар</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Тревога</translation>
    </message>
    <message>
        <source>Leak</source>
        <translation>Протечка</translation>
    </message>
</context>
<context>
    <name>OutputSettingsWidgetGeneral</name>
    <message>
        <source>Time and volume</source>
        <translation>Время и громкость</translation>
    </message>
    <message>
        <source>Invert control</source>
        <translation>Инверсия управления</translation>
    </message>
    <message>
        <source>Feedback sensor:</source>
        <translation>Датчик обратной связи:</translation>
    </message>
    <message>
        <source>Reference value:</source>
        <translation>Заданное значение:</translation>
    </message>
    <message>
        <source>Hysteresis:</source>
        <translation>Гистерезис:</translation>
    </message>
    <message>
        <source>Feedback value:</source>
        <translation>Текущее значение:</translation>
    </message>
    <message>
        <source>Korvel GSM R int sens</source>
        <translation>Встроенный датчик Korvel GSM R</translation>
    </message>
    <message>
        <source>Please connect Pellan to the system</source>
        <translation>Подключите Pellan к системе</translation>
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
    <message>
        <source>%1: the device refused it.
%2</source>
        <translation>%1: прибор отклонил изменение.
%2</translation>
    </message>
    <message>
        <source>The device did not take the whole configuration. It was not restarted; check the settings after the next login.

%1</source>
        <translation>Прибор принял конфигурацию не полностью. Он не был перезапущен; проверьте настройки после следующего входа.

%1</translation>
    </message>
    <message>
        <source>The section &quot;iButton&quot; has the wrong shape: it was not written.</source>
        <translation>Раздел &quot;iButton&quot; имеет неверную структуру: он не записан.</translation>
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
    <name>PartitionSelectionWidget</name>
    <message>
        <source>Control partitions:</source>
        <translation>Управляемые разделы:</translation>
    </message>
    <message>
        <source>Partition %1</source>
        <translation>Раздел %1</translation>
    </message>
    <message>
        <source>Not selected</source>
        <translation>Не выбраны</translation>
    </message>
</context>
<context>
    <name>PartitionStatus</name>
    <message>
        <source>Lock</source>
        <translation>Взять</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Снять</translation>
    </message>
    <message>
        <source>User information not ready</source>
        <translation>Информация о пользователях не готова</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Внимание!</translation>
    </message>
</context>
<context>
    <name>PartitionWidget</name>
    <message>
        <source>By id</source>
        <translation>По номеру</translation>
    </message>
    <message>
        <source>By name</source>
        <translation>По типу</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Раздел</translation>
    </message>
    <message>
        <source>Sort type:</source>
        <translation>Сортировка:</translation>
    </message>
    <message>
        <source>Auto take from not take</source>
        <translation>Автовзятие из невзятия</translation>
    </message>
    <message>
        <source>Auto take from alarm</source>
        <translation>Автовзятие из тревоги</translation>
    </message>
    <message>
        <source>Take delay</source>
        <translation>Задержка взятия</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Reset to default</source>
        <translation>Сбросить по умолчанию</translation>
    </message>
    <message>
        <source>(The settings are only available if the partition is not taken)</source>
        <translation>(Настройки доступны, только если раздел не взят)</translation>
    </message>
    <message>
        <source>Move to ...</source>
        <translation>Переместить в ...</translation>
    </message>
    <message>
        <source>part %1</source>
        <translation>раздел %1</translation>
    </message>
    <message>
        <source>A section with this index or name already exists.</source>
        <translation>Раздел с таким номером или именем уже существует.</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Сохранение настроек</translation>
    </message>
    <message>
        <source>Energy saving mode disabled. %1.%2</source>
        <translation>Режим энергосбережения выключен. %1.%2</translation>
    </message>
    <message>
        <source>Auto take from alarm changed</source>
        <translation>Изменено автовзятие из тревоги</translation>
    </message>
    <message>
        <source>Auto take from not take changed</source>
        <translation>Изменено автовзятие из невзятия</translation>
    </message>
    <message>
        <source>Take delay changed</source>
        <translation>Изменена задержка взятия</translation>
    </message>
    <message>
        <source>Illegal partition name can&apos;t be saved.</source>
        <translation>Недопустимое имя раздела нельзя сохранить.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Partition name changed</source>
        <translation>Изменено имя раздела</translation>
    </message>
    <message>
        <source>Partition number changed</source>
        <translation>Изменён номер раздела</translation>
    </message>
    <message>
        <source>Parent partitions changed</source>
        <translation>Изменены управляемые разделы</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>Сохранить изменения?</translation>
    </message>
    <message>
        <source>Partition settings changed</source>
        <translation>Настройки раздела изменены</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the settings?</source>
        <translation>Вы уверены, что хотите сбросить настройки?</translation>
    </message>
    <message>
        <source>Reset settings</source>
        <translation>Сброс настроек</translation>
    </message>
    <message>
        <source>User information not ready</source>
        <translation>Информация о пользователях не готова</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Внимание!</translation>
    </message>
    <message>
        <source>Allow add RF devices</source>
        <translation>Добавить РУ</translation>
    </message>
    <message>
        <source>Max devices added</source>
        <translation>Добавлено максимум устройств</translation>
    </message>
    <message>
        <source>Add to executable devices</source>
        <translation>Добавление исполнительных устройств</translation>
    </message>
    <message>
        <source>Unknown partition number. Number will be set to &quot;1&quot;</source>
        <translation>Неизвестный номер раздела. Будет установлен номер &quot;1&quot;</translation>
    </message>
    <message>
        <source>Partition changing</source>
        <translation>Смена раздела</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1 dev.?</source>
        <translation>Вы уверены, что хотите удалить устройств: %1?</translation>
    </message>
    <message>
        <source>Sensor delete</source>
        <translation>Удаление устройств</translation>
    </message>
</context>
<context>
    <name>PartitionsStatusWidget</name>
    <message>
        <source>Partitions</source>
        <translation>Разделы</translation>
    </message>
</context>
<context>
    <name>PendingWrites</name>
    <message>
        <source>Reset to defaults</source>
        <translation>Сброс настроек</translation>
    </message>
    <message>
        <source>Arming the partition</source>
        <translation>Постановка раздела на охрану</translation>
    </message>
    <message>
        <source>Disarming the partition</source>
        <translation>Снятие раздела с охраны</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Дата и время</translation>
    </message>
    <message>
        <source>Radio device</source>
        <translation>Радиоустройство</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Раздел</translation>
    </message>
    <message>
        <source>Local output</source>
        <translation>Локальный выход</translation>
    </message>
    <message>
        <source>iButton key</source>
        <translation>Ключ iButton</translation>
    </message>
    <message>
        <source>Beeper settings</source>
        <translation>Настройки зуммера</translation>
    </message>
    <message>
        <source>LED settings</source>
        <translation>Настройки светодиодов</translation>
    </message>
    <message>
        <source>Object settings</source>
        <translation>Настройки объекта</translation>
    </message>
    <message>
        <source>Device settings</source>
        <translation>Настройки прибора</translation>
    </message>
    <message>
        <source>Wireless settings</source>
        <translation>Настройки радиоканала</translation>
    </message>
    <message>
        <source>Wired loop</source>
        <translation>Шлейф</translation>
    </message>
    <message>
        <source>GSM settings</source>
        <translation>Настройки GSM</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Пользователь</translation>
    </message>
    <message>
        <source>iButton indication settings</source>
        <translation>Настройки индикации iButton</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Направление</translation>
    </message>
    <message>
        <source>Ethernet settings</source>
        <translation>Настройки Ethernet</translation>
    </message>
    <message>
        <source>Debug settings</source>
        <translation>Настройки отладки</translation>
    </message>
    <message>
        <source>Output group</source>
        <translation>Группа выходов</translation>
    </message>
    <message>
        <source>Halvor device</source>
        <translation>Устройство Halvor</translation>
    </message>
    <message>
        <source>Deleting the iButton key</source>
        <translation>Удаление ключа iButton</translation>
    </message>
    <message>
        <source>Deleting the radio device</source>
        <translation>Удаление радиоустройства</translation>
    </message>
    <message>
        <source>Deleting the user</source>
        <translation>Удаление пользователя</translation>
    </message>
    <message>
        <source>Deleting the direction</source>
        <translation>Удаление направления</translation>
    </message>
    <message>
        <source>Operation 0x%1</source>
        <translation>Операция 0x%1</translation>
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
    <message>
        <source>Not set</source>
        <translation>Не задан</translation>
    </message>
    <message>
        <source>Take on&amp;off</source>
        <translation>Взятие/снятие</translation>
    </message>
    <message>
        <source>Take on</source>
        <translation>Взятие</translation>
    </message>
    <message>
        <source>Take off</source>
        <translation>Снятие</translation>
    </message>
    <message>
        <source>COP</source>
        <translation>Под принуждением</translation>
    </message>
    <message>
        <source>No carrier</source>
        <translation>Нет связи</translation>
    </message>
    <message>
        <source>Home network</source>
        <translation>Домашняя сеть</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Поиск сети</translation>
    </message>
    <message>
        <source>Network registration denied</source>
        <translation>Регистрация в сети отклонена</translation>
    </message>
    <message>
        <source>No SIM-card</source>
        <translation>Нет SIM-карты</translation>
    </message>
    <message>
        <source>Roaming</source>
        <translation>Роуминг</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Отключено</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Подключено</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Подключение</translation>
    </message>
    <message>
        <source>Connection denied</source>
        <translation>Подключение отклонено</translation>
    </message>
    <message>
        <source>(GSM)</source>
        <translation>(GSM)</translation>
    </message>
    <message>
        <source>(GPRS)</source>
        <translation>(GPRS)</translation>
    </message>
    <message>
        <source>(EDGE)</source>
        <translation>(EDGE)</translation>
    </message>
    <message>
        <source>(3G)</source>
        <translation>(3G)</translation>
    </message>
    <message>
        <source>(LTE)</source>
        <translation>(LTE)</translation>
    </message>
    <message>
        <source>(Unknown)</source>
        <translation>(неизвестно)</translation>
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
    <name>QtEnumPropertyManager</name>
    <message>
        <source>Unknown (%1)</source>
        <translation>Неизвестно (%1)</translation>
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
    <name>SelectRetranslator</name>
    <message>
        <source>Set retranslator for device</source>
        <translation>Выбор ретранслятора устройства</translation>
    </message>
    <message>
        <source>Select a repeater from the list</source>
        <translation>Выберите ретранслятор из списка</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Reset priority</source>
        <translation>Сбросить приоритет</translation>
    </message>
    <message>
        <source>0. Korvel GSMR</source>
        <translation>0. Korvel GSMR</translation>
    </message>
</context>
<context>
    <name>SendSMSDialog</name>
    <message>
        <source>Phone number:</source>
        <translation>Номер телефона:</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Сообщение:</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Отправить</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Maximum message length reached</source>
        <translation>Достигнута максимальная длина сообщения</translation>
    </message>
    <message>
        <source>Invalid phone number.</source>
        <translation>Неверный номер телефона.</translation>
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
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source> ppm</source>
        <translation> ppm</translation>
    </message>
    <message>
        <source> ℃</source>
        <translation> ℃</translation>
    </message>
    <message>
        <source>Absense</source>
        <translation>Отсутствует</translation>
    </message>
    <message>
        <source>Active power</source>
        <translation>Активная мощность</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Яркость</translation>
    </message>
    <message>
        <source>Button 1 second mode</source>
        <translation>Второй режим кнопки 1</translation>
    </message>
    <message>
        <source>Button 2 second mode</source>
        <translation>Второй режим кнопки 2</translation>
    </message>
    <message>
        <source>Button mode</source>
        <comment>RM_kc</comment>
        <translation>Режим кнопки</translation>
    </message>
    <message>
        <source>CO</source>
        <translation>CO</translation>
    </message>
    <message>
        <source>CO hysteresis</source>
        <translation>Гистерезис CO</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Текущее</translation>
    </message>
    <message>
        <source>Current</source>
        <comment>Rozetka</comment>
        <translation>Ток</translation>
    </message>
    <message>
        <source>Current output event</source>
        <translation>Текущее событие выхода</translation>
    </message>
    <message>
        <source>Disable</source>
        <comment>siren alarm</comment>
        <translation>Отключен</translation>
    </message>
    <message>
        <source>Ext Control</source>
        <comment>siren alarm</comment>
        <translation>Внешнее управление</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Неисправность</translation>
    </message>
    <message>
        <source>Fault low voltage</source>
        <translation>Низкое напряжение</translation>
    </message>
    <message>
        <source>Fault none</source>
        <translation>Нет данных</translation>
    </message>
    <message>
        <source>Fault open circuit</source>
        <translation>Обрыв цепи</translation>
    </message>
    <message>
        <source>Fault overload</source>
        <translation>Перегрузка</translation>
    </message>
    <message>
        <source>Fault short circuit</source>
        <translation>Короткое замыкание</translation>
    </message>
    <message>
        <source>Fault state</source>
        <translation>Состояние неисправности</translation>
    </message>
    <message>
        <source>Fault unknown</source>
        <translation>Неизвестная неисправность</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Влажность</translation>
    </message>
    <message>
        <source>Humidity hysteresis</source>
        <translation>Гистерезис влажности</translation>
    </message>
    <message>
        <source>KC status</source>
        <translation>Состояние КЦ</translation>
    </message>
    <message>
        <source>Kc</source>
        <translation>КЦ</translation>
    </message>
    <message>
        <source>Kc mode</source>
        <translation>Режим КЦ</translation>
    </message>
    <message>
        <source>Kc mode</source>
        <comment>RM_kc</comment>
        <translation>Режим КЦ</translation>
    </message>
    <message>
        <source>Kc partition</source>
        <translation>Раздел КЦ</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Клавиатура</translation>
    </message>
    <message>
        <source>Keychain</source>
        <translation>Брелок</translation>
    </message>
    <message>
        <source>Law take Off</source>
        <translation>Право снятия</translation>
    </message>
    <message>
        <source>Law take On</source>
        <translation>Право взятия</translation>
    </message>
    <message>
        <source>Lift off state</source>
        <translation>Контроль отрыва</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Свет</translation>
    </message>
    <message>
        <source>Load is disabled</source>
        <translation>Нагрузка отключена</translation>
    </message>
    <message>
        <source>Managed partitions</source>
        <translation>Управляемые разделы</translation>
    </message>
    <message>
        <source>Max CO threshold</source>
        <translation>Порог CO</translation>
    </message>
    <message>
        <source>Max humidity event</source>
        <translation>Событие максимальной влажности</translation>
    </message>
    <message>
        <source>Max humidity threshold</source>
        <translation>Порог максимальной влажности</translation>
    </message>
    <message>
        <source>Max temp event</source>
        <translation>Событие максимальной температуры</translation>
    </message>
    <message>
        <source>Max temp threshold</source>
        <translation>Порог максимальной температуры</translation>
    </message>
    <message>
        <source>MaxCO event</source>
        <translation>Событие превышения CO</translation>
    </message>
    <message>
        <source>Min humidity event</source>
        <translation>Событие минимальной влажности</translation>
    </message>
    <message>
        <source>Min humidity threshold</source>
        <translation>Порог минимальной влажности</translation>
    </message>
    <message>
        <source>Min temp event</source>
        <translation>Событие минимальной температуры</translation>
    </message>
    <message>
        <source>Min temp threshold</source>
        <translation>Порог минимальной температуры</translation>
    </message>
    <message>
        <source>Mode 1</source>
        <translation>Режим 1</translation>
    </message>
    <message>
        <source>Mode 2</source>
        <translation>Режим 2</translation>
    </message>
    <message>
        <source>No fault</source>
        <translation>Исправен</translation>
    </message>
    <message>
        <source>Not controlled</source>
        <translation>Не контролируется</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>RM_kc</comment>
        <translation>Выключен</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>wall sense</comment>
        <translation>Выкл</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Норма</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Вкл</translation>
    </message>
    <message>
        <source>On</source>
        <comment>wall sense</comment>
        <translation>Вкл</translation>
    </message>
    <message>
        <source>Ost</source>
        <translation>Табло</translation>
    </message>
    <message>
        <source>Ost 24 220</source>
        <translation>Табло 24/220</translation>
    </message>
    <message>
        <source>Out state 1</source>
        <translation>Состояние выхода 1</translation>
    </message>
    <message>
        <source>Out state 2</source>
        <translation>Состояние выхода 2</translation>
    </message>
    <message>
        <source>Out status 1</source>
        <translation>Выход 1</translation>
    </message>
    <message>
        <source>Out status 2</source>
        <translation>Выход 2</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Outputs setting</source>
        <translation>Настройка выходов</translation>
    </message>
    <message>
        <source>Outs</source>
        <translation>Выходы</translation>
    </message>
    <message>
        <source>Permission to turn off the siren</source>
        <translation>Разрешение отключать сирену</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Уставка</translation>
    </message>
    <message>
        <source>Rosetka</source>
        <translation>Розетка</translation>
    </message>
    <message>
        <source>Rozetka state</source>
        <translation>Состояние розетки</translation>
    </message>
    <message>
        <source>Silent alarm mode</source>
        <translation>Режим тихой тревоги</translation>
    </message>
    <message>
        <source>Siren</source>
        <translation>Сирена</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Standard Events Handle</source>
        <comment>siren alarm</comment>
        <translation>Обработка стандартных событий</translation>
    </message>
    <message>
        <source>Temp Control</source>
        <comment>siren alarm</comment>
        <translation>Управление по температуре</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Температура</translation>
    </message>
    <message>
        <source>Temperature hysteresis</source>
        <translation>Гистерезис температуры</translation>
    </message>
    <message>
        <source>To configure</source>
        <translation>Настроить</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Пользователь</translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation>Напряжение</translation>
    </message>
    <message>
        <source>Zone type</source>
        <translation>Тип зоны</translation>
    </message>
    <message>
        <source>▶ CO events</source>
        <translation>▶ События CO</translation>
    </message>
    <message>
        <source>▶ Humidity events</source>
        <translation>▶ События влажности</translation>
    </message>
    <message>
        <source>▶ Temperature events</source>
        <translation>▶ События температуры</translation>
    </message>
    <message>
        <source>Double click</source>
        <translation>Двойное нажатие</translation>
    </message>
    <message>
        <source>One click</source>
        <translation>Одно нажатие</translation>
    </message>
    <message>
        <source>Hold 3 sec press 1 time</source>
        <translation>Удержание 3 с и одно нажатие</translation>
    </message>
    <message>
        <source>Hold 10 sec</source>
        <translation>Удержание 10 с</translation>
    </message>
    <message>
        <source>Min</source>
        <comment>brightness</comment>
        <translation>Минимальная</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>brightness</comment>
        <translation>Средняя</translation>
    </message>
    <message>
        <source>Max</source>
        <comment>brightness</comment>
        <translation>Максимальная</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>smk</comment>
        <translation>Норма</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Отключен</translation>
    </message>
    <message>
        <source>1 l/pulse</source>
        <translation>1 л/имп</translation>
    </message>
    <message>
        <source>10 l/pulse</source>
        <translation>10 л/имп</translation>
    </message>
    <message>
        <source>100 l/pulse</source>
        <translation>100 л/имп</translation>
    </message>
    <message>
        <source>1000 l/pulse</source>
        <translation>1000 л/имп</translation>
    </message>
    <message>
        <source>Water leakage</source>
        <translation>Протечка</translation>
    </message>
    <message>
        <source>Low frequency (water meters)</source>
        <translation>Низкочастотный (счётчики воды)</translation>
    </message>
    <message>
        <source>Low frequency meter and leak detector</source>
        <translation>Низкочастотный счётчик и датчик протечки</translation>
    </message>
    <message>
        <source>High frequency</source>
        <translation>Высокочастотный</translation>
    </message>
    <message>
        <source>Sensors config</source>
        <translation>Конфигурация входов</translation>
    </message>
    <message>
        <source>Relay</source>
        <translation>Реле</translation>
    </message>
    <message>
        <source>NAMUR</source>
        <translation>NAMUR</translation>
    </message>
    <message>
        <source>Water sensor 1 type</source>
        <translation>Тип счётчика 1</translation>
    </message>
    <message>
        <source>Water sensor 2 type</source>
        <translation>Тип счётчика 2</translation>
    </message>
    <message>
        <source>300 pulses/hour</source>
        <translation>300 имп/ч</translation>
    </message>
    <message>
        <source>500 pulses/hour</source>
        <translation>500 имп/ч</translation>
    </message>
    <message>
        <source>3000 pulses/hour</source>
        <translation>3000 имп/ч</translation>
    </message>
    <message>
        <source>5000 pulses/hour</source>
        <translation>5000 имп/ч</translation>
    </message>
    <message>
        <source>Measure frequency</source>
        <translation>Частота измерения</translation>
    </message>
    <message>
        <source>Water sensor 1 liter per impulse</source>
        <translation>Счётчик 1, литров на импульс</translation>
    </message>
    <message>
        <source>Water sensor 2 liter per impulse</source>
        <translation>Счётчик 2, литров на импульс</translation>
    </message>
    <message>
        <source>High frequency pulse price</source>
        <translation>Цена высокочастотного импульса</translation>
    </message>
    <message>
        <source>Set counters values</source>
        <translation>Установить показания счётчиков</translation>
    </message>
    <message>
        <source>ASR</source>
        <translation>АСР</translation>
    </message>
    <message>
        <source>Impulses</source>
        <translation>Импульсы</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Значение</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>(High Frequency)</source>
        <translation>(высокочастотный)</translation>
    </message>
    <message>
        <source>(Water leakage sensor)</source>
        <translation>(датчик протечки)</translation>
    </message>
    <message>
        <source>(Disabled)</source>
        <translation>(отключён)</translation>
    </message>
    <message>
        <source>Input 3 </source>
        <translation>Вход 3 </translation>
    </message>
    <message>
        <source>Water sensor liter per impulse</source>
        <translation>Литров на импульс</translation>
    </message>
    <message>
        <source>Input 1</source>
        <translation>Вход 1</translation>
    </message>
    <message>
        <source>Counter number</source>
        <translation>Номер счётчика</translation>
    </message>
    <message>
        <source>Water counter m³</source>
        <translation>Счётчик воды, м³</translation>
    </message>
    <message>
        <source>Water counter</source>
        <translation>Счётчик воды</translation>
    </message>
    <message>
        <source>External voltage</source>
        <translation>Внешнее напряжение</translation>
    </message>
    <message>
        <source>External power</source>
        <translation>Внешнее питание</translation>
    </message>
    <message>
        <source>Absence</source>
        <translation>Отсутствует</translation>
    </message>
    <message>
        <source>AccState</source>
        <translation>Состояние аккумулятора</translation>
    </message>
    <message>
        <source>NoAcc</source>
        <translation>Нет аккумулятора</translation>
    </message>
    <message>
        <source>LowVoltage</source>
        <translation>Низкое напряжение</translation>
    </message>
    <message>
        <source>Charging</source>
        <translation>Заряд</translation>
    </message>
    <message>
        <source>Norm</source>
        <translation>Норма</translation>
    </message>
    <message>
        <source>NormCharging</source>
        <translation>Норма, заряд</translation>
    </message>
    <message>
        <source>AccVoltage_mV</source>
        <translation>Напряжение аккумулятора</translation>
    </message>
    <message>
        <source>KP power</source>
        <translation>Питание КП</translation>
    </message>
    <message>
        <source>Water counters type</source>
        <translation>Тип счётчиков воды</translation>
    </message>
    <message>
        <source>300 pulse/hour</source>
        <translation>300 имп/ч</translation>
    </message>
    <message>
        <source>500 pulse/hour</source>
        <translation>500 имп/ч</translation>
    </message>
    <message>
        <source>3000 pulse/hour</source>
        <translation>3000 имп/ч</translation>
    </message>
    <message>
        <source>5000 pulse/hour</source>
        <translation>5000 имп/ч</translation>
    </message>
    <message>
        <source>Water counter poll period</source>
        <translation>Частота опроса счётчиков</translation>
    </message>
    <message>
        <source>Changing the setting</source>
        <translation>Изменение настройки</translation>
    </message>
    <message>
        <source>The counter&apos;s values will be reset.</source>
        <translation>Показания счётчиков будут сброшены.</translation>
    </message>
    <message>
        <source>Serial number 1</source>
        <translation>Серийный номер 1</translation>
    </message>
    <message>
        <source>Serial number 2</source>
        <translation>Серийный номер 2</translation>
    </message>
    <message>
        <source>Water counter 1 m³</source>
        <translation>Счётчик воды 1, м³</translation>
    </message>
    <message>
        <source>Water counter 2 m³</source>
        <translation>Счётчик воды 2, м³</translation>
    </message>
    <message>
        <source>WaterCounter1State</source>
        <translation>Состояние счётчика 1</translation>
    </message>
    <message>
        <source>WaterCounter2State</source>
        <translation>Состояние счётчика 2</translation>
    </message>
    <message>
        <source>Set counters numbers and values</source>
        <translation>Установить номера и показания счётчиков</translation>
    </message>
    <message>
        <source>Counter 1 control</source>
        <translation>Управление счётчиком 1</translation>
    </message>
    <message>
        <source>Counter 2 control</source>
        <translation>Управление счётчиком 2</translation>
    </message>
    <message>
        <source>KP counters</source>
        <translation>Счётчики КП</translation>
    </message>
    <message>
        <source>Loop break control</source>
        <translation>Контроль обрыва шлейфа</translation>
    </message>
    <message>
        <source>WaterLeakageStatusSensor1</source>
        <translation>Состояние датчика протечки 1</translation>
    </message>
    <message>
        <source>WaterLeakageStatusSensor2</source>
        <translation>Состояние датчика протечки 2</translation>
    </message>
    <message>
        <source>DZ control</source>
        <translation>Контроль ДП</translation>
    </message>
    <message>
        <source>DZ alarm</source>
        <translation>Тревога ДП</translation>
    </message>
    <message>
        <source>Sensor 1 control</source>
        <translation>Управление датчиком 1</translation>
    </message>
    <message>
        <source>Sensor 2 control</source>
        <translation>Управление датчиком 2</translation>
    </message>
    <message>
        <source>Valve1State</source>
        <translation>Состояние крана 1</translation>
    </message>
    <message>
        <source>Valve2State</source>
        <translation>Состояние крана 2</translation>
    </message>
    <message>
        <source>Action valve 1</source>
        <translation>Кран 1</translation>
    </message>
    <message>
        <source>Action valve 2</source>
        <translation>Кран 2</translation>
    </message>
    <message>
        <source>Control DZ</source>
        <translation>Датчики протечки</translation>
    </message>
    <message>
        <source>Service time</source>
        <translation>Время обслуживания</translation>
    </message>
    <message>
        <source>Set service time</source>
        <translation>Задать время обслуживания</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Set state valve 1</source>
        <translation>Состояние крана 1</translation>
    </message>
    <message>
        <source>Set state valve 2</source>
        <translation>Состояние крана 2</translation>
    </message>
    <message>
        <source>KP taps</source>
        <translation>Краны КП</translation>
    </message>
    <message>
        <source>Install</source>
        <comment>ASRButtonSetAsrCounter</comment>
        <translation>Установить</translation>
    </message>
    <message>
        <source>Install</source>
        <comment>KPButtonSetKpCounter</comment>
        <translation>Установить</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>KP</comment>
        <translation>Норма</translation>
    </message>
    <message>
        <source>Disable</source>
        <comment>KP</comment>
        <translation>Отключен</translation>
    </message>
    <message>
        <source>Alarm</source>
        <comment>KP</comment>
        <translation>Тревога</translation>
    </message>
    <message>
        <source>OpenCircuit</source>
        <comment>KP</comment>
        <translation>Обрыв</translation>
    </message>
    <message>
        <source>Sensors</source>
        <comment>KP</comment>
        <translation>Датчики</translation>
    </message>
    <message>
        <source>Disable alarm</source>
        <comment>KPButtonAlarmDisable</comment>
        <translation>Отключить тревогу</translation>
    </message>
    <message>
        <source>Disable</source>
        <comment>LoopBreakControl</comment>
        <translation>Отключен</translation>
    </message>
    <message>
        <source>Enable</source>
        <comment>LoopBreakControl</comment>
        <translation>Включен</translation>
    </message>
    <message>
        <source> Acoustic state</source>
        <translation> Акустическое состояние</translation>
    </message>
    <message>
        <source>-12 dB</source>
        <translation>-12 дБ</translation>
    </message>
    <message>
        <source>-6 dB</source>
        <translation>-6 дБ</translation>
    </message>
    <message>
        <source>1 and 2 gercon are closed</source>
        <comment>smkState</comment>
        <translation>Герконы 1 и 2 замкнуты</translation>
    </message>
    <message>
        <source>1 gercon is closed</source>
        <comment>smkState</comment>
        <translation>Геркон 1 замкнут</translation>
    </message>
    <message>
        <source>100 mg</source>
        <translation>100 мг</translation>
    </message>
    <message>
        <source>10°</source>
        <translation>10°</translation>
    </message>
    <message>
        <source>12m</source>
        <translation>12 м</translation>
    </message>
    <message>
        <source>150 mg</source>
        <translation>150 мг</translation>
    </message>
    <message>
        <source>15°</source>
        <translation>15°</translation>
    </message>
    <message>
        <source>2 gercon is closed</source>
        <comment>smkState</comment>
        <translation>Геркон 2 замкнут</translation>
    </message>
    <message>
        <source>200 mg</source>
        <translation>200 мг</translation>
    </message>
    <message>
        <source>20°</source>
        <translation>20°</translation>
    </message>
    <message>
        <source>250 mg</source>
        <translation>250 мг</translation>
    </message>
    <message>
        <source>25m</source>
        <translation>25 м</translation>
    </message>
    <message>
        <source>25°</source>
        <translation>25°</translation>
    </message>
    <message>
        <source>300 mg</source>
        <translation>300 мг</translation>
    </message>
    <message>
        <source>30°</source>
        <translation>30°</translation>
    </message>
    <message>
        <source>3°</source>
        <translation>3°</translation>
    </message>
    <message>
        <source>450 mg</source>
        <translation>450 мг</translation>
    </message>
    <message>
        <source>45°</source>
        <translation>45°</translation>
    </message>
    <message>
        <source>50 mg</source>
        <translation>50 мг</translation>
    </message>
    <message>
        <source>500 mg</source>
        <translation>500 мг</translation>
    </message>
    <message>
        <source>5°</source>
        <translation>5°</translation>
    </message>
    <message>
        <source>A1 (60˚С)</source>
        <comment>IP</comment>
        <translation>A1 (60˚С)</translation>
    </message>
    <message>
        <source>A1R (60˚С, diff)</source>
        <comment>IP</comment>
        <translation>A1R (60˚С, диф.)</translation>
    </message>
    <message>
        <source>A2 (65˚С)</source>
        <comment>IP</comment>
        <translation>A2 (65˚С)</translation>
    </message>
    <message>
        <source>A2R (65˚С, diff)</source>
        <comment>IP</comment>
        <translation>A2R (65˚С, диф.)</translation>
    </message>
    <message>
        <source>A3 (70˚С)</source>
        <comment>IP</comment>
        <translation>A3 (70˚С)</translation>
    </message>
    <message>
        <source>A3R (70˚С, diff)</source>
        <comment>IP</comment>
        <translation>A3R (70˚С, диф.)</translation>
    </message>
    <message>
        <source>ADC capture failure</source>
        <translation>Сбой захвата АЦП</translation>
    </message>
    <message>
        <source>Active mode</source>
        <translation>Активный режим</translation>
    </message>
    <message>
        <source>Alarm</source>
        <comment>Drask</comment>
        <translation>Тревога</translation>
    </message>
    <message>
        <source>Alarm</source>
        <comment>ST</comment>
        <translation>Тревога</translation>
    </message>
    <message>
        <source>Alarm</source>
        <comment>ik_sensor</comment>
        <translation>Тревога</translation>
    </message>
    <message>
        <source>Alarm</source>
        <comment>kt</comment>
        <translation>Тревога</translation>
    </message>
    <message>
        <source>Alarm</source>
        <comment>smk</comment>
        <translation>Тревога</translation>
    </message>
    <message>
        <source>Attention IK</source>
        <translation>Внимание ИК</translation>
    </message>
    <message>
        <source>Attention UV</source>
        <translation>Внимание УФ</translation>
    </message>
    <message>
        <source>Average illuminance exceeded threshold</source>
        <translation>Средняя освещённость превысила порог</translation>
    </message>
    <message>
        <source>B (80˚С)</source>
        <comment>IP</comment>
        <translation>B (80˚С)</translation>
    </message>
    <message>
        <source>BR (80˚С, diff)</source>
        <comment>IP</comment>
        <translation>BR (80˚С, диф.)</translation>
    </message>
    <message>
        <source>Backlight current mismatch</source>
        <translation>Несоответствие тока подсветки</translation>
    </message>
    <message>
        <source>Black body mod filter</source>
        <translation>Фильтр модуляции чёрного тела</translation>
    </message>
    <message>
        <source>Button</source>
        <translation>Кнопка</translation>
    </message>
    <message>
        <source>Button</source>
        <comment>IPR</comment>
        <translation>Кнопка</translation>
    </message>
    <message>
        <source>Button</source>
        <comment>kt</comment>
        <translation>Кнопка</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>ShiftGercon</comment>
        <translation>Замкнут</translation>
    </message>
    <message>
        <source>Critical illuminance exceeded threshold</source>
        <translation>Критическая освещённость превысила порог</translation>
    </message>
    <message>
        <source>DIP</source>
        <translation>ДИП</translation>
    </message>
    <message>
        <source>DZ</source>
        <translation>ДЗ</translation>
    </message>
    <message>
        <source>Detected</source>
        <translation>Обнаружена</translation>
    </message>
    <message>
        <source>Detection range</source>
        <translation>Дальность обнаружения</translation>
    </message>
    <message>
        <source>Detection time </source>
        <translation>Время обнаружения </translation>
    </message>
    <message>
        <source>Detection time from 10 seconds</source>
        <translation>Время обнаружения от 10 секунд</translation>
    </message>
    <message>
        <source>Detection time from 5 seconds</source>
        <translation>Время обнаружения от 5 секунд</translation>
    </message>
    <message>
        <source>Detector class</source>
        <translation>Класс извещателя</translation>
    </message>
    <message>
        <source>Disable</source>
        <comment>ST</comment>
        <translation>Отключен</translation>
    </message>
    <message>
        <source>Disable</source>
        <comment>St</comment>
        <translation>Выключить</translation>
    </message>
    <message>
        <source>Disable</source>
        <comment>StSavemode</comment>
        <translation>Выключено</translation>
    </message>
    <message>
        <source>Disabled</source>
        <comment>SMK Sabotage</comment>
        <translation>Выключено</translation>
    </message>
    <message>
        <source>Disabled</source>
        <comment>ShiftGercon</comment>
        <translation>Отключен</translation>
    </message>
    <message>
        <source>Disabled</source>
        <comment>ik_sensor</comment>
        <translation>Отключен</translation>
    </message>
    <message>
        <source>Drask sensor</source>
        <translation>Датчик Drask</translation>
    </message>
    <message>
        <source>Dry reed</source>
        <translation>Геркон</translation>
    </message>
    <message>
        <source>Dry reed &amp; ext</source>
        <translation>Геркон и КЦ</translation>
    </message>
    <message>
        <source>Dust</source>
        <translation>Запылённость</translation>
    </message>
    <message>
        <source>Enable</source>
        <comment>St</comment>
        <translation>Включить</translation>
    </message>
    <message>
        <source>Enable</source>
        <comment>StSavemode</comment>
        <translation>Включено</translation>
    </message>
    <message>
        <source>Enable accel</source>
        <translation>Включить акселерометр</translation>
    </message>
    <message>
        <source>Enable dry reed</source>
        <translation>Включить геркон</translation>
    </message>
    <message>
        <source>Enable tilt</source>
        <translation>Контроль наклона</translation>
    </message>
    <message>
        <source>Enabled</source>
        <comment>SMK Sabotage</comment>
        <translation>Включено</translation>
    </message>
    <message>
        <source>Energy save mode</source>
        <translation>Энергосбережение</translation>
    </message>
    <message>
        <source>Energy saving</source>
        <translation>Энергосбережение</translation>
    </message>
    <message>
        <source>Fail</source>
        <comment>ik_sensor</comment>
        <translation>Неисправность</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Неисправность</translation>
    </message>
    <message>
        <source>Far 1</source>
        <translation>Дальний 1</translation>
    </message>
    <message>
        <source>Far 2</source>
        <translation>Дальний 2</translation>
    </message>
    <message>
        <source>Far sensitivity</source>
        <translation>Чувствительность дальней зоны</translation>
    </message>
    <message>
        <source>Far zone</source>
        <translation>Дальняя зона</translation>
    </message>
    <message>
        <source>Fire</source>
        <comment>IPR</comment>
        <translation>Пожар</translation>
    </message>
    <message>
        <source>Fire</source>
        <comment>dip sensor</comment>
        <translation>Пожар</translation>
    </message>
    <message>
        <source>Fire</source>
        <comment>dip state</comment>
        <translation>Пожар</translation>
    </message>
    <message>
        <source>Fire Alarm threshold</source>
        <translation>Порог пожарной тревоги</translation>
    </message>
    <message>
        <source>Fix</source>
        <translation>Зафиксировать</translation>
    </message>
    <message>
        <source>Fix when taking</source>
        <translation>Фиксировать при взятии</translation>
    </message>
    <message>
        <source>Fixate current state</source>
        <translation>Зафиксировать текущее положение</translation>
    </message>
    <message>
        <source>Flarex609</source>
        <translation>Flarex609</translation>
    </message>
    <message>
        <source>Gercon status</source>
        <translation>Состояние геркона</translation>
    </message>
    <message>
        <source>H (Custom)</source>
        <comment>IP</comment>
        <translation>H (свой)</translation>
    </message>
    <message>
        <source>HR (Custom, diff)</source>
        <comment>IP</comment>
        <translation>HR (свой, диф.)</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Высокая</translation>
    </message>
    <message>
        <source>High</source>
        <comment>IK</comment>
        <translation>Высокая</translation>
    </message>
    <message>
        <source>High low temp event</source>
        <translation>Высокая и низкая температура</translation>
    </message>
    <message>
        <source>High reference resistor resistance</source>
        <translation>Высокое сопротивление опорного резистора</translation>
    </message>
    <message>
        <source>High resistance thermistor</source>
        <translation>Высокое сопротивление термистора</translation>
    </message>
    <message>
        <source>High temp event</source>
        <translation>Высокая температура</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>ИП</translation>
    </message>
    <message>
        <source>IR LED current and backlight current mismatch</source>
        <translation>Несоответствие токов ИК-светодиода и подсветки</translation>
    </message>
    <message>
        <source>IR LED current is out of range</source>
        <translation>Ток ИК-светодиода вне диапазона</translation>
    </message>
    <message>
        <source>IR Sensor</source>
        <translation>ИК-датчик</translation>
    </message>
    <message>
        <source>Invalid ambient temperature</source>
        <translation>Недопустимая температура среды</translation>
    </message>
    <message>
        <source>Invalid calibration for smoke density calculation</source>
        <translation>Неверная калибровка расчёта плотности дыма</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Низкая</translation>
    </message>
    <message>
        <source>Low</source>
        <comment>IK</comment>
        <translation>Низкая</translation>
    </message>
    <message>
        <source>Low reference resistor resistance</source>
        <translation>Низкое сопротивление опорного резистора</translation>
    </message>
    <message>
        <source>Low resistance thermistor</source>
        <translation>Низкое сопротивление термистора</translation>
    </message>
    <message>
        <source>Low temp event</source>
        <translation>Низкая температура</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Макс.</translation>
    </message>
    <message>
        <source>Max accel</source>
        <translation>Макс. ускорение</translation>
    </message>
    <message>
        <source>Max angle</source>
        <translation>Макс. угол</translation>
    </message>
    <message>
        <source>Max.</source>
        <comment>IK</comment>
        <translation>Макс.</translation>
    </message>
    <message>
        <source>Maximum</source>
        <comment>St</comment>
        <translation>Максимальная</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Мин.</translation>
    </message>
    <message>
        <source>Min  temp threshold</source>
        <translation>Нижний порог температуры</translation>
    </message>
    <message>
        <source>Min.</source>
        <comment>IK</comment>
        <translation>Мин.</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Минимальная</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Режим</translation>
    </message>
    <message>
        <source>Near</source>
        <translation>Ближний</translation>
    </message>
    <message>
        <source>Near sensitivity</source>
        <translation>Чувствительность ближней зоны</translation>
    </message>
    <message>
        <source>Near zone</source>
        <translation>Ближняя зона</translation>
    </message>
    <message>
        <source>No</source>
        <comment>no water leak</comment>
        <translation>Нет</translation>
    </message>
    <message>
        <source>No errors</source>
        <translation>Нет ошибок</translation>
    </message>
    <message>
        <source>No magnet</source>
        <translation>Нет магнита</translation>
    </message>
    <message>
        <source>No temp events</source>
        <translation>Без температурных событий</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>IPR</comment>
        <translation>Норма</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>ST</comment>
        <translation>Норма</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>dip</comment>
        <translation>Норма</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>kt</comment>
        <translation>Норма</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>status_accel</comment>
        <translation>Норма</translation>
    </message>
    <message>
        <source>Not pressed</source>
        <translation>Не нажата</translation>
    </message>
    <message>
        <source>Notification mode</source>
        <translation>Режим оповещения</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Норма</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>ik_sensor</comment>
        <translation>Норма</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>ShiftGercon</comment>
        <translation>Разомкнут</translation>
    </message>
    <message>
        <source>Powersave mode</source>
        <translation>Энергосбережение</translation>
    </message>
    <message>
        <source>Pressed</source>
        <translation>Нажата</translation>
    </message>
    <message>
        <source>Sabotage</source>
        <translation>Саботаж</translation>
    </message>
    <message>
        <source>Sabotage detection</source>
        <translation>Обнаружение саботажа</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Чувствительность</translation>
    </message>
    <message>
        <source>Sensor</source>
        <comment>St</comment>
        <translation>Датчик</translation>
    </message>
    <message>
        <source>Sensor</source>
        <comment>smk</comment>
        <translation>Датчик</translation>
    </message>
    <message>
        <source>Sensor error</source>
        <comment>dip sensor</comment>
        <translation>Ошибка датчика</translation>
    </message>
    <message>
        <source>Sensor error</source>
        <comment>ip sensor</comment>
        <translation>Ошибка датчика</translation>
    </message>
    <message>
        <source>Sensors state</source>
        <translation>Состояние сенсоров</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Сдвиг</translation>
    </message>
    <message>
        <source>Shift gercon</source>
        <translation>Геркон датчика сдвига</translation>
    </message>
    <message>
        <source>Shift isp1 accelerometer</source>
        <translation>Акселерометр датчика сдвига</translation>
    </message>
    <message>
        <source>Smoke</source>
        <translation>Задымлённость</translation>
    </message>
    <message>
        <source>Smoke chamber illuminance is difference error</source>
        <translation>Ошибка разности освещённости дымовой камеры</translation>
    </message>
    <message>
        <source>Smoke chamber illuminance is out of range</source>
        <translation>Освещённость дымовой камеры вне диапазона</translation>
    </message>
    <message>
        <source>State</source>
        <comment>ik_sensor</comment>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Status</source>
        <comment>IPR</comment>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Status</source>
        <comment>kt</comment>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Status</source>
        <comment>smk</comment>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Status</source>
        <comment>status_accel</comment>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Status smk</source>
        <comment>smk</comment>
        <translation>Состояние герконов</translation>
    </message>
    <message>
        <source>Temperature Hysteresis</source>
        <translation>Гистерезис температуры</translation>
    </message>
    <message>
        <source>Temperature measurement timeout</source>
        <translation>Тайм-аут измерения температуры</translation>
    </message>
    <message>
        <source>Tilt</source>
        <translation>Наклон</translation>
    </message>
    <message>
        <source>Tilt and shift</source>
        <translation>Наклон и сдвиг</translation>
    </message>
    <message>
        <source>Wait</source>
        <comment>St</comment>
        <translation>Ожидание</translation>
    </message>
    <message>
        <source>ext</source>
        <translation>КЦ</translation>
    </message>
    <message>
        <source>test mode switch</source>
        <translation>Режим теста</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Не найден</translation>
    </message>
    <message>
        <source>Low voltage</source>
        <translation>Низкое напряжение</translation>
    </message>
    <message>
        <source>Norm voltage</source>
        <translation>Напряжение в норме</translation>
    </message>
    <message>
        <source>Charging norm voltage</source>
        <translation>Заряд, напряжение в норме</translation>
    </message>
    <message>
        <source>Power undefined</source>
        <translation>Питание не определено</translation>
    </message>
    <message>
        <source>Power norm</source>
        <translation>Питание в норме</translation>
    </message>
    <message>
        <source>Power low</source>
        <translation>Низкое питание</translation>
    </message>
    <message>
        <source>Power high</source>
        <translation>Высокое питание</translation>
    </message>
    <message>
        <source>Power error</source>
        <translation>Неисправность питания</translation>
    </message>
    <message>
        <source>Unsupported</source>
        <translation>Не поддерживается</translation>
    </message>
    <message>
        <source>Unsupported</source>
        <comment>RM</comment>
        <translation>Не поддерживается</translation>
    </message>
    <message>
        <source>Power battery</source>
        <translation>Питание от батареи</translation>
    </message>
    <message>
        <source>Power external</source>
        <translation>Внешнее питание</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>Общая</translation>
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
        <source>Power</source>
        <translation>Питание</translation>
    </message>
    <message>
        <source>Main voltage</source>
        <translation>Напряжение основного питания</translation>
    </message>
    <message>
        <source>Reserve power state</source>
        <translation>Резервное питание</translation>
    </message>
    <message>
        <source>Absent</source>
        <translation>Отсутствует</translation>
    </message>
    <message>
        <source>Main power supply</source>
        <translation>Основное питание</translation>
    </message>
    <message>
        <source>Main power state</source>
        <comment>RM</comment>
        <translation>Основное питание</translation>
    </message>
    <message>
        <source>Reserve power state</source>
        <comment>RM</comment>
        <translation>Резервное питание</translation>
    </message>
    <message>
        <source>Main power state</source>
        <comment>RM220</comment>
        <translation>Основное питание</translation>
    </message>
    <message>
        <source>Reserve power state</source>
        <comment>RM220</comment>
        <translation>Резервное питание</translation>
    </message>
    <message>
        <source>Accum state</source>
        <translation>Состояние аккумулятора</translation>
    </message>
    <message>
        <source>Reserve power state</source>
        <comment>rr</comment>
        <translation>Резервное питание</translation>
    </message>
    <message>
        <source>Accum voltage</source>
        <translation>Напряжение аккумулятора</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
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
        <source>Parent</source>
        <translation>Подключен через</translation>
    </message>
    <message>
        <source>Set retranslator</source>
        <translation>Выбрать ретранслятор</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Серийный номер</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
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
        <source>Main</source>
        <translation>Основные</translation>
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
        <source>Case open check</source>
        <translation>Контроль вскрытия корпуса</translation>
    </message>
    <message>
        <source>Wall control</source>
        <translation>Контроль отрыва от стены</translation>
    </message>
    <message>
        <source>Wall and case status</source>
        <translation>Состояние корпуса и отрыва</translation>
    </message>
    <message>
        <source>Case closed, no detach</source>
        <translation>Корпус закрыт, не оторван</translation>
    </message>
    <message>
        <source>Case opened, no detach</source>
        <translation>Корпус открыт, не оторван</translation>
    </message>
    <message>
        <source>Wall detached, case closed</source>
        <translation>Оторван от стены, корпус закрыт</translation>
    </message>
    <message>
        <source>Wall detached, case opened</source>
        <translation>Оторван от стены, корпус открыт</translation>
    </message>
    <message>
        <source>Hull status</source>
        <translation>Состояние корпуса</translation>
    </message>
    <message>
        <source>Case is close</source>
        <translation>Корпус закрыт</translation>
    </message>
    <message>
        <source>Case is open</source>
        <translation>Корпус открыт</translation>
    </message>
    <message>
        <source>Indication</source>
        <translation>Индикация</translation>
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
        <source>Short circuit</source>
        <translation>Короткое замыкание</translation>
    </message>
    <message>
        <source>Small resistance</source>
        <translation>Малое сопротивление</translation>
    </message>
    <message>
        <source>High resistnace</source>
        <translation>Большое сопротивление</translation>
    </message>
    <message>
        <source>Break cable</source>
        <translation>Обрыв</translation>
    </message>
    <message>
        <source>Not active</source>
        <translation>Не активен</translation>
    </message>
    <message>
        <source>Unknown</source>
        <comment>RM_kc</comment>
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>Executive devices</source>
        <translation>Исполнительные устройства</translation>
    </message>
    <message>
        <source>SecurityZoneType</source>
        <translation>Охранная</translation>
    </message>
    <message>
        <source>AlarmingZoneType</source>
        <translation>Тревожная</translation>
    </message>
    <message>
        <source>EnterZoneType</source>
        <translation>Входная</translation>
    </message>
    <message>
        <source>FireZoneType</source>
        <translation>Пожарная</translation>
    </message>
    <message>
        <source>WaterLeakage</source>
        <translation>Протечка</translation>
    </message>
    <message>
        <source>0 V</source>
        <translation>0 В</translation>
    </message>
</context>
<context>
    <name>SensorASRSettingsWidget</name>
    <message>
        <source>%1 l/pulse</source>
        <translation>%1 л/имп</translation>
    </message>
    <message>
        <source>1 l/pulse</source>
        <translation>1 л/имп</translation>
    </message>
    <message>
        <source>10 l/pulse</source>
        <translation>10 л/имп</translation>
    </message>
    <message>
        <source>100 l/pulse</source>
        <translation>100 л/имп</translation>
    </message>
    <message>
        <source>1000 l/pulse</source>
        <translation>1000 л/имп</translation>
    </message>
    <message>
        <source>300 pph</source>
        <translation>300 имп/ч</translation>
    </message>
    <message>
        <source>3000 pph</source>
        <translation>3000 имп/ч</translation>
    </message>
    <message>
        <source>500 pph</source>
        <translation>500 имп/ч</translation>
    </message>
    <message>
        <source>5000 pph</source>
        <translation>5000 имп/ч</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>High frequency pulse price</source>
        <translation>Цена импульса высокочастотного входа</translation>
    </message>
    <message>
        <source>High frequency</source>
        <translation>Высокочастотный</translation>
    </message>
    <message>
        <source>Low frequency (water meters)</source>
        <translation>Низкочастотный (счётчики воды)</translation>
    </message>
    <message>
        <source>Low frequency meter and leak detector</source>
        <translation>Низкочастотный счётчик и датчик протечки</translation>
    </message>
    <message>
        <source>Measure frequency:</source>
        <translation>Частота измерения:</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Режим:</translation>
    </message>
    <message>
        <source>NAMUR</source>
        <translation>NAMUR</translation>
    </message>
    <message>
        <source>Not available</source>
        <translation>Недоступно</translation>
    </message>
    <message>
        <source>Relay</source>
        <translation>Реле</translation>
    </message>
    <message>
        <source>Water sensor 1 liter per impulse:</source>
        <translation>Литров на импульс счётчика 1:</translation>
    </message>
    <message>
        <source>Water sensor 1 type:</source>
        <translation>Тип выхода счётчика 1:</translation>
    </message>
    <message>
        <source>Water sensor 2 liter per impulse:</source>
        <translation>Литров на импульс счётчика 2:</translation>
    </message>
    <message>
        <source>Water sensor 2 type:</source>
        <translation>Тип выхода счётчика 2:</translation>
    </message>
</context>
<context>
    <name>SensorDipSettingsWidget</name>
    <message>
        <source>Case open check</source>
        <translation>Контроль вскрытия корпуса</translation>
    </message>
</context>
<context>
    <name>SensorDraskSettingsWidget</name>
    <message>
        <source>Far zone</source>
        <translation>Дальняя зона</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Высокая</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Низкая</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Максимальная</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Минимальная</translation>
    </message>
    <message>
        <source>Near zone</source>
        <translation>Ближняя зона</translation>
    </message>
    <message>
        <source>Powersave mode</source>
        <translation>Режим энергосбережения</translation>
    </message>
    <message>
        <source>Test mode</source>
        <translation>Тестовый режим</translation>
    </message>
</context>
<context>
    <name>SensorFlarexSettingsWidget</name>
    <message>
        <source>Fast (&gt; 5 s)</source>
        <translation>Быстро (&gt; 5 с)</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Long (&lt; 25m)</source>
        <translation>Дальняя (&lt; 25 м)</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Дальность</translation>
    </message>
    <message>
        <source>Short (&lt; 12m)</source>
        <translation>Ближняя (&lt; 12 м)</translation>
    </message>
    <message>
        <source>Slow (&gt; 10 s)</source>
        <translation>Медленно (&gt; 10 с)</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Скорость</translation>
    </message>
</context>
<context>
    <name>SensorIkSettingsWidget</name>
    <message>
        <source>Energy saving mode:</source>
        <translation>Режим энергосбережения:</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>IK test mode:</source>
        <translation>Тестовый режим ИК:</translation>
    </message>
    <message>
        <source>Sensitivity:</source>
        <translation>Чувствительность:</translation>
    </message>
</context>
<context>
    <name>SensorIpSettingsWidget</name>
    <message>
        <source>Case open check</source>
        <translation>Контроль вскрытия корпуса</translation>
    </message>
    <message>
        <source>Events mode:</source>
        <translation>Режим событий:</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Max evt threshold:</source>
        <translation>Верхний порог событий:</translation>
    </message>
    <message>
        <source>Min evt threshold:</source>
        <translation>Нижний порог событий:</translation>
    </message>
    <message>
        <source>Temp hysteresis:</source>
        <translation>Гистерезис температуры:</translation>
    </message>
    <message>
        <source>Temperature:</source>
        <translation>Температура:</translation>
    </message>
    <message>
        <source>high &amp; low level</source>
        <translation>верхний и нижний уровень</translation>
    </message>
    <message>
        <source>high level</source>
        <translation>верхний уровень</translation>
    </message>
    <message>
        <source>low level</source>
        <translation>нижний уровень</translation>
    </message>
    <message>
        <source>no temp events</source>
        <translation>нет событий температуры</translation>
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
    <message>
        <source>Access law:</source>
        <translation>Права доступа:</translation>
    </message>
    <message>
        <source>Button 1 output group:</source>
        <translation>Группа выходов кнопки 1:</translation>
    </message>
    <message>
        <source>Button 2 output group:</source>
        <translation>Группа выходов кнопки 2:</translation>
    </message>
    <message>
        <source>Controlled partitions</source>
        <translation>Управляемые разделы</translation>
    </message>
    <message>
        <source>Disable siren</source>
        <translation>Отключение сирены</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Hold 3 - 10sec</source>
        <translation>Удержание 3 - 10 с</translation>
    </message>
    <message>
        <source>Hold 3 sec, press 1 time</source>
        <translation>Удержание 3 с, нажатие 1 раз</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>Silent alarm (button *) mode:</source>
        <translation>Режим тихой тревоги (кнопка *):</translation>
    </message>
    <message>
        <source>Take off</source>
        <translation>Снятие</translation>
    </message>
    <message>
        <source>Take on</source>
        <translation>Постановка</translation>
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
    <name>SensorMirelSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>High sensitivity</source>
        <translation>Высокая чувствительность</translation>
    </message>
    <message>
        <source>Low sensitivity</source>
        <translation>Низкая чувствительность</translation>
    </message>
    <message>
        <source>Maximum sensitivity</source>
        <translation>Максимальная чувствительность</translation>
    </message>
    <message>
        <source>Minimum sensitivity</source>
        <translation>Минимальная чувствительность</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Чувствительность</translation>
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
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
</context>
<context>
    <name>SensorSMKSettingsWidget</name>
    <message>
        <source>Dry reed switch and loop</source>
        <translation>Геркон и шлейф</translation>
    </message>
    <message>
        <source>Dry reed switch</source>
        <translation>Геркон</translation>
    </message>
    <message>
        <source>Enable modules:</source>
        <translation>Используемые модули:</translation>
    </message>
    <message>
        <source>Enable sabotage protection</source>
        <translation>Включить защиту от саботажа</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Шлейф</translation>
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
    <name>SensorShiftSettingsWidget</name>
    <message>
        <source>1 Low</source>
        <translation>1 Низкая</translation>
    </message>
    <message>
        <source>8 Very high</source>
        <translation>8 Очень высокая</translation>
    </message>
    <message>
        <source>Acceleration control</source>
        <translation>Контроль ускорения</translation>
    </message>
    <message>
        <source>Dry reed control</source>
        <translation>Контроль геркона</translation>
    </message>
    <message>
        <source>Energy saving mode</source>
        <translation>Режим энергосбережения</translation>
    </message>
    <message>
        <source>Fix now</source>
        <translation>Зафиксировать сейчас</translation>
    </message>
    <message>
        <source>Fix position on arm</source>
        <translation>Фиксировать положение при постановке</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Tilt control</source>
        <translation>Контроль наклона</translation>
    </message>
</context>
<context>
    <name>SensorVTISettingsWidget</name>
    <message>
        <source>Basic</source>
        <translation>Текущее</translation>
    </message>
    <message>
        <source>CO event hysteresis:</source>
        <translation>Гистерезис событий CO:</translation>
    </message>
    <message>
        <source>CO:</source>
        <translation>CO:</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Humidity event hysteresis:</source>
        <translation>Гистерезис событий влажности:</translation>
    </message>
    <message>
        <source>Humidity:</source>
        <translation>Влажность:</translation>
    </message>
    <message>
        <source>Max CO event:</source>
        <translation>Событие превышения CO:</translation>
    </message>
    <message>
        <source>Max humidity event:</source>
        <translation>Событие превышения влажности:</translation>
    </message>
    <message>
        <source>Max temp event:</source>
        <translation>Событие превышения температуры:</translation>
    </message>
    <message>
        <source>Min humidity event:</source>
        <translation>Событие понижения влажности:</translation>
    </message>
    <message>
        <source>Min temp event:</source>
        <translation>Событие понижения температуры:</translation>
    </message>
    <message>
        <source>Reference value</source>
        <translation>Заданное значение</translation>
    </message>
    <message>
        <source>Temp event hysteresis:</source>
        <translation>Гистерезис событий температуры:</translation>
    </message>
    <message>
        <source>Temperature:</source>
        <translation>Температура:</translation>
    </message>
</context>
<context>
    <name>SetKPValvesServiceTime</name>
    <message>
        <source>Service time</source>
        <translation>Время обслуживания</translation>
    </message>
    <message>
        <source>Input new service time</source>
        <translation>Введите новое время обслуживания</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>День:</translation>
    </message>
    <message>
        <source>Minutes:</source>
        <translation>Минуты:</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
</context>
<context>
    <name>SimPinDialog</name>
    <message>
        <source>Send</source>
        <translation>Отправить</translation>
    </message>
    <message>
        <source>SIM-card PIN-code incorrect</source>
        <translation>Неверный PIN-код SIM-карты</translation>
    </message>
    <message>
        <source>SIM num</source>
        <translation>Номер SIM</translation>
    </message>
    <message>
        <source>Pin changed successfully</source>
        <translation>PIN-код успешно изменён</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>SIM-card PIN-code is incorrect. Please enter new PIN-code</source>
        <translation>Неверный PIN-код SIM-карты. Введите новый PIN-код</translation>
    </message>
    <message>
        <source>Tries left:</source>
        <translation>Осталось попыток:</translation>
    </message>
    <message>
        <source>PIN-Code</source>
        <translation>PIN-код</translation>
    </message>
    <message>
        <source>Set new PIN-Code</source>
        <translation>Новый PIN-код</translation>
    </message>
    <message>
        <source>New PIN-Code</source>
        <translation>Новый PIN-код</translation>
    </message>
    <message>
        <source>Repeat:</source>
        <translation>Повтор:</translation>
    </message>
    <message>
        <source>SIM-card is locked. Please enter PUK-code to unlock SIM-card</source>
        <translation>SIM-карта заблокирована. Введите PUK-код для разблокировки</translation>
    </message>
    <message>
        <source>Retries left:</source>
        <translation>Осталось попыток:</translation>
    </message>
    <message>
        <source>PUK-Code</source>
        <translation>PUK-код</translation>
    </message>
    <message>
        <source>SIM card %1</source>
        <translation>SIM-карта %1</translation>
    </message>
    <message>
        <source>PIN-code accepted!</source>
        <translation>PIN-код принят!</translation>
    </message>
    <message>
        <source>PIN-code changed successfully!</source>
        <translation>PIN-код успешно изменён!</translation>
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
    <name>SubscriptionDZtoKPWidget</name>
    <message>
        <source>Select the DZ for crane control</source>
        <translation>Выбор датчиков протечки для управления кранами</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
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
    <name>UpdateManager</name>
    <message>
        <source>Starting device update </source>
        <translation>Запуск обновления устройства </translation>
    </message>
    <message>
        <source>Sensor ID received! Expected: %1 received: %2</source>
        <translation>Получен ID датчика! Ожидался: %1, получен: %2</translation>
    </message>
    <message>
        <source>Checking device status </source>
        <translation>Проверка состояния устройства </translation>
    </message>
    <message>
        <source>Update queue is empty</source>
        <translation>Очередь обновления пуста</translation>
    </message>
    <message>
        <source>Unknown sensor status</source>
        <translation>Неизвестное состояние датчика</translation>
    </message>
    <message>
        <source>Firmware version incorrect. Expected: %1   Got: %2</source>
        <translation>Неверная версия прошивки. Ожидалась: %1   Получена: %2</translation>
    </message>
    <message>
        <source>Starting next update </source>
        <translation>Запуск следующего обновления </translation>
    </message>
    <message>
        <source>Update failed </source>
        <translation>Ошибка обновления </translation>
    </message>
    <message>
        <source>Successful update </source>
        <translation>Успешное обновление </translation>
    </message>
    <message>
        <source>Attempt %1 to start the update</source>
        <translation>Попытка %1 запустить обновление</translation>
    </message>
</context>
<context>
    <name>UserAddDialog</name>
    <message>
        <source>Not selected</source>
        <translation>Не выбраны</translation>
    </message>
    <message>
        <source>Input of illegal characters is blocked.</source>
        <translation>Ввод недопустимых символов заблокирован.</translation>
    </message>
    <message>
        <source>Modify/add user</source>
        <translation>Изменение/добавление пользователя</translation>
    </message>
    <message>
        <source>New user details:</source>
        <translation>Данные нового пользователя:</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Common settings</source>
        <translation>Общие настройки</translation>
    </message>
    <message>
        <source>Admin</source>
        <translation>Администратор</translation>
    </message>
    <message>
        <source>Quenor3</source>
        <translation>Quenor3</translation>
    </message>
    <message>
        <source>Redirect operator messages</source>
        <translation>Пересылать сообщения оператора</translation>
    </message>
    <message>
        <source>Allow extra notifications</source>
        <translation>Разрешить доп. оповещения</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Имя пользователя</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Логин</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Повтор</translation>
    </message>
    <message>
        <source>Phone number</source>
        <translation>Номер телефона</translation>
    </message>
    <message>
        <source>Control through SMS</source>
        <translation>Управление по SMS</translation>
    </message>
    <message>
        <source>Can take on</source>
        <translation>Может ставить на охрану</translation>
    </message>
    <message>
        <source>Can take off</source>
        <translation>Может снимать с охраны</translation>
    </message>
    <message>
        <source>Allow WEB control</source>
        <translation>Разрешить управление через WEB</translation>
    </message>
    <message>
        <source>Controlled partitions</source>
        <translation>Управляемые разделы</translation>
    </message>
    <message>
        <source>SMS Password (5 digits)</source>
        <translation>Пароль SMS (5 цифр)</translation>
    </message>
    <message>
        <source>Repeat password</source>
        <translation>Повтор пароля</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Выходы</translation>
    </message>
    <message>
        <source>SMS and WEB control groups</source>
        <translation>Группы управления по SMS и WEB</translation>
    </message>
    <message>
        <source>Call Control group</source>
        <translation>Группа управления звонком</translation>
    </message>
    <message>
        <source>Modify user</source>
        <translation>Изменить пользователя</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Edit user</source>
        <translation>Изменение пользователя</translation>
    </message>
    <message>
        <source>User information</source>
        <translation>Сведения о пользователе</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>View user</source>
        <translation>Просмотр пользователя</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>The Username field must not be empty</source>
        <translation>Поле &quot;Имя пользователя&quot; не должно быть пустым</translation>
    </message>
    <message>
        <source>The entered name is already taken.</source>
        <translation>Введённое имя уже занято.</translation>
    </message>
    <message>
        <source>For a user with administrator rights, the login field is required.</source>
        <translation>Для пользователя с правами администратора логин обязателен.</translation>
    </message>
    <message>
        <source>Login must be unique.</source>
        <translation>Логин должен быть уникальным.</translation>
    </message>
    <message>
        <source>Login must be longer than 4 symbols.</source>
        <translation>Логин должен быть длиннее 4 символов.</translation>
    </message>
    <message>
        <source>You must enter a password.</source>
        <translation>Введите пароль.</translation>
    </message>
    <message>
        <source>Password must be longer than 4 symbols.</source>
        <translation>Пароль должен быть длиннее 4 символов.</translation>
    </message>
    <message>
        <source>Repeat password.</source>
        <translation>Повторите пароль.</translation>
    </message>
    <message>
        <source>Password mismatch.</source>
        <translation>Пароли не совпадают.</translation>
    </message>
    <message>
        <source>For a user with administrator rights, the phone number field is required.</source>
        <translation>Для пользователя с правами администратора номер телефона обязателен.</translation>
    </message>
    <message>
        <source>The phone number field is required for the selected settings.</source>
        <translation>Для выбранных настроек нужен номер телефона.</translation>
    </message>
    <message>
        <source>The phone number field is required for the Quenor3.</source>
        <translation>Для Quenor3 нужен номер телефона.</translation>
    </message>
    <message>
        <source>The phone number field is required for control through SMS.</source>
        <translation>Для управления по SMS нужен номер телефона.</translation>
    </message>
    <message>
        <source>This phone number is already in use by another user.
Enter another.</source>
        <translation>Этот номер телефона уже указан у другого пользователя.
Введите другой.</translation>
    </message>
    <message>
        <source>Invalid phone number.</source>
        <translation>Неверный номер телефона.</translation>
    </message>
    <message>
        <source>SMS password must be longer than 5 symbols.</source>
        <translation>Пароль SMS должен быть длиннее 5 символов.</translation>
    </message>
    <message>
        <source>username</source>
        <translation>имя пользователя</translation>
    </message>
    <message>
        <source>password</source>
        <translation>пароль</translation>
    </message>
    <message>
        <source>SMS password</source>
        <translation>пароль SMS</translation>
    </message>
    <message>
        <source>The %1 cannot be less than 4 characters.</source>
        <translation>Поле &quot;%1&quot; не может быть короче 4 символов.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Quenor mode can&apos;t be enabled.</source>
        <translation>Режим Quenor нельзя включить.</translation>
    </message>
    <message>
        <source>Redirect operator messages can&apos;t be enabled.</source>
        <translation>Пересылку сообщений оператора нельзя включить.</translation>
    </message>
    <message>
        <source>Allow extra notifications can&apos;t be enabled.</source>
        <translation>Доп. оповещения нельзя включить.</translation>
    </message>
    <message>
        <source>SMS password can&apos;t be apply.</source>
        <translation>Пароль SMS нельзя применить.</translation>
    </message>
    <message>
        <source>
You must enter a phone number.</source>
        <translation>
Введите номер телефона.</translation>
    </message>
    <message>
        <source>To apply the parameters, you must enter an SMS password.</source>
        <translation>Для применения параметров введите пароль SMS.</translation>
    </message>
    <message>
        <source>Administrator must have a login.</source>
        <translation>У администратора должен быть логин.</translation>
    </message>
    <message>
        <source>Administrator must have a phone number.</source>
        <translation>У администратора должен быть номер телефона.</translation>
    </message>
</context>
<context>
    <name>UserModel</name>
    <message>
        <source>Index</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Имя пользователя</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Логин</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Телефон</translation>
    </message>
    <message>
        <source>Keychains</source>
        <translation>Брелоки</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Ключи</translation>
    </message>
    <message>
        <source>User deleted %1</source>
        <translation>Удалён пользователь %1</translation>
    </message>
    <message>
        <source>%1 users added from JSON</source>
        <translation>Пользователей добавлено из JSON: %1</translation>
    </message>
</context>
<context>
    <name>UserSettings</name>
    <message>
        <source>User #%1</source>
        <translation>Пользователь №%1</translation>
    </message>
    <message>
        <source>No keys assigned</source>
        <translation>Ключи не назначены</translation>
    </message>
    <message>
        <source>Keys ##: %1</source>
        <translation>Ключи №: %1</translation>
    </message>
    <message>
        <source>No keychains assigned</source>
        <translation>Брелоки не назначены</translation>
    </message>
    <message>
        <source>Keychains ##: </source>
        <translation>Брелоки №: </translation>
    </message>
</context>
<context>
    <name>UsersWidget</name>
    <message>
        <source>Add user</source>
        <translation>Добавить пользователя</translation>
    </message>
    <message>
        <source>Delete user</source>
        <translation>Удалить пользователя</translation>
    </message>
    <message>
        <source>Changing settings is only available when all sections are untaken</source>
        <translation>Изменение настроек доступно, только когда все разделы сняты с охраны</translation>
    </message>
    <message>
        <source>Do you really want to delete user: 
</source>
        <translation>Вы действительно хотите удалить пользователя: 
</translation>
    </message>
    <message>
        <source>
and %1 more users?
</source>
        <translation>
и ещё пользователей: %1?
</translation>
    </message>
    <message>
        <source>
The keys and keychains assigned to this user will also be deleted.</source>
        <translation>
Ключи и брелоки этого пользователя тоже будут удалены.</translation>
    </message>
    <message>
        <source>User is about to be deleted</source>
        <translation>Удаление пользователя</translation>
    </message>
    <message>
        <source>You must select the user you want to delete.</source>
        <translation>Выберите пользователя, которого нужно удалить.</translation>
    </message>
    <message>
        <source>Can not delete all admins</source>
        <translation>Нельзя удалить всех администраторов</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>It&apos;s not recommended to delete connected user (%1). Proceed?</source>
        <translation>Не рекомендуется удалять подключённого пользователя (%1). Продолжить?</translation>
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
    <name>WirelessSettings</name>
    <message>
        <source>Are you sure you want to reset the settings?</source>
        <translation>Вы уверены, что хотите сбросить настройки?</translation>
    </message>
    <message>
        <source>Reset settings</source>
        <translation>Сброс настроек</translation>
    </message>
    <message>
        <source>The section &quot;%1&quot; is not an object; nothing is read from it</source>
        <translation>Секция &quot;%1&quot; не является объектом; из неё ничего не прочитано</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: channel %2 does not exist; the current channel is kept</source>
        <translation>&quot;%1&quot;: канала %2 нет; текущий канал сохранён</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2 is out of range; %3 is stored instead</source>
        <translation>&quot;%1&quot;: %2 вне диапазона; вместо него сохранено %3</translation>
    </message>
    <message>
        <source>&quot;ChannelsGroup&quot;: group %1 does not exist; the current group is kept</source>
        <translation>&quot;ChannelsGroup&quot;: группы %1 нет; текущая группа сохранена</translation>
    </message>
    <message>
        <source>&quot;bestChannel&quot;: %1 is out of range; the current value is kept</source>
        <translation>&quot;bestChannel&quot;: %1 вне диапазона; текущее значение сохранено</translation>
    </message>
</context>
<context>
    <name>WirelessSettingsWidget</name>
    <message>
        <source>Current radio channel</source>
        <translation>Текущий радиоканал</translation>
    </message>
    <message>
        <source>No information</source>
        <translation>Нет данных</translation>
    </message>
    <message>
        <source>Channels group</source>
        <translation>Группа каналов</translation>
    </message>
    <message>
        <source>Auto select channel</source>
        <translation>Автовыбор канала</translation>
    </message>
    <message>
        <source>Use the best radio channel</source>
        <translation>Использовать лучший радиоканал</translation>
    </message>
    <message>
        <source>Best channel :</source>
        <translation>Лучший канал:</translation>
    </message>
    <message>
        <source>Undefined</source>
        <translation>Не определён</translation>
    </message>
    <message>
        <source>Choose the best channel</source>
        <translation>Выбрать лучший канал</translation>
    </message>
    <message>
        <source>Manual installation channel</source>
        <translation>Ручной выбор канала</translation>
    </message>
    <message>
        <source>Sensor loss detection time (minutes)</source>
        <translation>Время фиксации потери датчика (мин)</translation>
    </message>
    <message>
        <source>Config time</source>
        <translation>Время настройки</translation>
    </message>
    <message>
        <source>Radio channel load analysis</source>
        <translation>Анализ загрузки радиоканала</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>Запустить</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Reset to default</source>
        <translation>Сбросить по умолчанию</translation>
    </message>
    <message>
        <source>Take delay less than work interval. For correct device work take delay will be updated</source>
        <translation>Задержка взятия меньше интервала работы. Для корректной работы устройства задержка взятия будет изменена</translation>
    </message>
    <message>
        <source>Wireless settings saving</source>
        <translation>Сохранение настроек радиоканала</translation>
    </message>
    <message>
        <source>Channel Scan :</source>
        <translation>Сканирование каналов:</translation>
    </message>
    <message>
        <source>Radio mode</source>
        <translation>Режим радиоканала</translation>
    </message>
    <message>
        <source>The &apos;Use best radio channel&apos; mode is selected. For correct operation it is necessary to perform a channel scan.</source>
        <translation>Выбран режим &quot;Использовать лучший радиоканал&quot;. Для корректной работы нужно выполнить сканирование каналов.</translation>
    </message>
    <message>
        <source>Should I start scanning now or change the mode to manual?</source>
        <translation>Запустить сканирование сейчас или перейти на ручной выбор канала?</translation>
    </message>
    <message>
        <source>Start scan</source>
        <translation>Начать сканирование</translation>
    </message>
    <message>
        <source>Change mode</source>
        <translation>Сменить режим</translation>
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
</TS>
