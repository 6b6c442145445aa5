<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>cmn</name>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 не существует.</translation>
    </message>
    <message>
        <source>%1 holds no backup descriptor &quot;%2&quot;.</source>
        <translation>В %1 нет файла описания резервной копии «%2».</translation>
    </message>
    <message>
        <source>Usage: mapsview export-kml PATH KIND OUT.kml</source>
        <translation>Использование: mapsview export-kml ПУТЬ ВИД ФАЙЛ.kml</translation>
    </message>
    <message>
        <source>Unknown record kind &quot;%1&quot;: use searches, favorites, explored or directions.</source>
        <translation>Неизвестный вид записей «%1»: укажите searches, favorites, explored или directions.</translation>
    </message>
    <message>
        <source>%1 offers no Apple Maps records.</source>
        <translation>%1 не предоставляет записей Apple Maps.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Не удалось записать %1: %2</translation>
    </message>
    <message>
        <source>Exported %1 to %2.</source>
        <translation>%1 экспортировано в %2.</translation>
    </message>
    <message>
        <source>%1 needs an ISO date such as 2019-03-05 or 2019-03-05T14:07:00+03:00.</source>
        <translation>Для %1 нужна дата в формате ISO, например 2019-03-05 или 2019-03-05T14:07:00+03:00.</translation>
    </message>
    <message>
        <source>Usage: mapsview export-report PATH OUT.xlsx [--from ISO-DATE] [--until ISO-DATE]</source>
        <translation>Использование: mapsview export-report ПУТЬ ФАЙЛ.xlsx [--from ДАТА-ISO] [--until ДАТА-ISO]</translation>
    </message>
    <message>
        <source>%1 offers no report export.</source>
        <translation>%1 не поддерживает экспорт отчета.</translation>
    </message>
    <message>
        <source>Wrote %1 sheets to %2: %3</source>
        <translation>Записано листов в %2: %1 (%3)</translation>
    </message>
    <message>
        <source>Not exported: %1</source>
        <translation>Не экспортировано: %1</translation>
    </message>
    <message>
        <source>No Apple Maps data in %1.</source>
        <translation>В %1 нет данных Apple Maps.</translation>
    </message>
    <message>
        <source>Cannot read the backup: %1</source>
        <translation>Не удалось прочитать резервную копию: %1</translation>
    </message>
    <message>
        <source>Usage: mapsview sample DIR [--rows N] [--seed S] [--edge-cases] [--binary-descriptor]</source>
        <translation>Использование: mapsview sample ПАПКА [--rows N] [--seed S] [--edge-cases] [--binary-descriptor]</translation>
    </message>
    <message>
        <source>Cannot write the sample backup: %1</source>
        <translation>Не удалось записать пример резервной копии: %1</translation>
    </message>
    <message>
        <source>Usage: mapsview show [PATH] [--screenshot OUT.png [--category 0-3] [--search TEXT] [--map]]</source>
        <translation>Использование: mapsview show [ПУТЬ] [--screenshot ФАЙЛ.png [--category 0-3] [--search ТЕКСТ] [--map]]</translation>
    </message>
    <message>
        <source>No page to take a screenshot of: %1</source>
        <translation>Нет страницы для снимка экрана: %1</translation>
    </message>
    <message>
        <source>The page has no category %1.</source>
        <translation>На странице нет категории %1.</translation>
    </message>
    <message>
        <source>The page has no search box.</source>
        <translation>На странице нет поля поиска.</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>Не удалось записать %1.</translation>
    </message>
    <message>
        <source>Usage: mapsview summary PATH</source>
        <translation>Использование: mapsview summary ПУТЬ</translation>
    </message>
    <message>
        <source>Cannot write the backup descriptor %1.</source>
        <translation>Не удалось записать файл описания резервной копии %1.</translation>
    </message>
    <message>
        <source>%1 already exists: a backup is never overwritten.</source>
        <translation>%1 уже существует: резервная копия никогда не перезаписывается.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Не удалось создать папку %1.</translation>
    </message>
    <message>
        <source>Cannot create the sample database %1: %2</source>
        <translation>Не удалось создать пример базы данных %1: %2</translation>
    </message>
    <message>
        <source>Cannot write the sample database: %1</source>
        <translation>Не удалось записать пример базы данных: %1</translation>
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
        <source>Info</source>
        <translation>Сведения</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>Важность</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Сообщение</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>No Apple Maps data</source>
        <translation>Нет данных Apple Maps</translation>
    </message>
    <message>
        <source>Parsing stopped</source>
        <translation>Разбор остановлен</translation>
    </message>
    <message>
        <source>The backup cannot be read. The journal below tells why.</source>
        <translation>Не удалось прочитать резервную копию. Причина указана в журнале ниже.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Резервная копия</translation>
    </message>
    <message>
        <source>Open backup...</source>
        <translation>Открыть резервную копию...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>About mapsview</source>
        <translation>О программе mapsview</translation>
    </message>
    <message>
        <source>Journal</source>
        <translation>Журнал</translation>
    </message>
    <message>
        <source>Open a backup folder holding &quot;icloud_synced.xml&quot; with File &gt; Open backup...</source>
        <translation>Откройте папку резервной копии с файлом «icloud_synced.xml» командой Файл &gt; Открыть резервную копию...</translation>
    </message>
    <message>
        <source>Open backup</source>
        <translation>Открыть резервную копию</translation>
    </message>
    <message>
        <source>Backup descriptor (icloud_synced.xml);;All files (*)</source>
        <translation>Описание резервной копии (icloud_synced.xml);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Чтение %1...</translation>
    </message>
    <message>
        <source>The backup holds no Apple Maps records.</source>
        <translation>В резервной копии нет записей Apple Maps.</translation>
    </message>
    <message>
        <source>No Apple Maps records</source>
        <translation>Нет записей Apple Maps</translation>
    </message>
    <message>
        <source>The page cannot be shown.</source>
        <translation>Не удалось показать страницу.</translation>
    </message>
    <message>
        <source>No web browser could open the link %1. Copy it from the journal.</source>
        <translation>Ни один веб-браузер не смог открыть ссылку %1. Скопируйте ее из журнала.</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;mapsview&lt;/b&gt;&lt;/p&gt;&lt;p&gt;A viewer for the Apple Maps data of extracted iCloud-synced backups. It never writes into a backup.&lt;/p&gt;&lt;p&gt;Category plug-in: %1, version %2.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;mapsview&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Просмотр данных Apple Maps из извлеченных резервных копий, синхронизированных с iCloud. Программа никогда не записывает в резервную копию.&lt;/p&gt;&lt;p&gt;Модуль категории: %1, версия %2.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Records: %1</source>
        <translation>Записей: %1</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>This page cannot write these records to a file.</source>
        <translation>Эти записи нельзя сохранить в файл с этой страницы.</translation>
    </message>
    <message>
        <source>An Excel report holds every record of all four kinds: export it with &quot;All...&quot;. The shown records go to a KML file.</source>
        <translation>Отчет Excel содержит все записи всех четырех видов: экспортируйте его командой «Все...». Показанные записи сохраняются в файл KML.</translation>
    </message>
    <message>
        <source>The export to %1 is still running. Export again when it has ended.</source>
        <translation>Экспорт в %1 еще выполняется. Повторите экспорт, когда он завершится.</translation>
    </message>
    <message>
        <source>The page did not start the export to %1.</source>
        <translation>Страница не начала экспорт в %1.</translation>
    </message>
    <message>
        <source>The export to %1 failed: the journal tells why.</source>
        <translation>Экспорт в %1 не удался: причина указана в журнале.</translation>
    </message>
    <message>
        <source>The export to %1 was cancelled: nothing was written.</source>
        <translation>Экспорт в %1 отменен: ничего не записано.</translation>
    </message>
    <message>
        <source>Records written to %1: %2.</source>
        <translation>Записано в %1 записей: %2.</translation>
    </message>
    <message>
        <source>Exporting to %1...</source>
        <translation>Экспорт в %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Parsing of %1 was stopped.</source>
        <translation>Разбор %1 остановлен.</translation>
    </message>
    <message>
        <source>The page has no map.</source>
        <translation>На странице нет карты.</translation>
    </message>
    <message>
        <source>%1 is longer than the system allows for a path.</source>
        <translation>Путь %1 длиннее, чем допускает система.</translation>
    </message>
    <message>
        <source>The backup descriptor %1 could not be read.</source>
        <translation>Не удалось прочитать описание резервной копии %1.</translation>
    </message>
    <message>
        <source>Cannot create a private temporary folder in %1: %2</source>
        <translation>Не удалось создать личную временную папку в %1: %2</translation>
    </message>
</context>
</TS>
