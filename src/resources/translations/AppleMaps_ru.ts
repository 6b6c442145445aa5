<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>DateFilterWidget</name>
    <message>
        <source>From:</source>
        <translation>С:</translation>
    </message>
    <message>
        <source>Until:</source>
        <translation>По:</translation>
    </message>
</context>
<context>
    <name>FilterStateWidget</name>
    <message>
        <source>Filter</source>
        <translation>Фильтр</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Скрыть</translation>
    </message>
</context>
<context>
    <name>cmn</name>
    <message>
        <source>The system cannot find the drive specified.</source>
        <translation>Системе не удается найти указанный диск.</translation>
    </message>
    <message>
        <source>The system cannot open database file.</source>
        <translation>Системе не удается открыть файл базы данных.</translation>
    </message>
    <message>
        <source>No error</source>
        <translation>Ошибок нет</translation>
    </message>
    <message>
        <source>Unspecified error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
    <message>
        <source>Invalid parameter</source>
        <translation>Недопустимый параметр</translation>
    </message>
    <message>
        <source>Invalid file format</source>
        <translation>Недопустимый формат файла</translation>
    </message>
    <message>
        <source>Invalid data</source>
        <translation>Недопустимые данные</translation>
    </message>
    <message>
        <source>File is not encrypted</source>
        <translation>Файл не зашифрован</translation>
    </message>
    <message>
        <source>Unable to allocate memory</source>
        <translation>Не удалось выделить память</translation>
    </message>
    <message>
        <source>Invalid password</source>
        <translation>Неверный пароль</translation>
    </message>
    <message>
        <source>The specified authentication method has failed. Please check that you have entered correct credentials or authentication token.</source>
        <translation>Не удалось выполнить проверку подлинности указанным способом. Убедитесь, что вы ввели правильные учетные данные или токен проверки подлинности.</translation>
    </message>
    <message>
        <source>File is encrypted</source>
        <translation>Файл зашифрован</translation>
    </message>
    <message>
        <source>Item is not found</source>
        <translation>Элемент не найден</translation>
    </message>
    <message>
        <source>The file download link has expired. This could have been caused by your PC entering sleep mode. Please try downloading again.</source>
        <translation>Срок действия ссылки для скачивания файла истек. Возможно, компьютер переходил в спящий режим. Попробуйте скачать файл еще раз.</translation>
    </message>
    <message>
        <source>Backup is not found</source>
        <translation>Резервная копия не найдена</translation>
    </message>
    <message>
        <source>Not all selected categories were downloaded</source>
        <translation>Скачаны не все выбранные категории</translation>
    </message>
    <message>
        <source>Unexpected backup type</source>
        <translation>Неожиданный тип резервной копии</translation>
    </message>
    <message>
        <source>Backup format is not supported by Quorrel</source>
        <translation>Формат резервной копии не поддерживается программой Quorrel</translation>
    </message>
    <message>
        <source>Internal TACC error</source>
        <translation>Внутренняя ошибка TACC</translation>
    </message>
    <message>
        <source>Manifest.mbdb is not found.</source>
        <translation>Файл Manifest.mbdb не найден.</translation>
    </message>
    <message>
        <source>The manifest.plist file could not be read. The file is either corrupt or the backup was decrypted by Brenlow lower than 3.0. Please select a different backup.</source>
        <translation>Не удалось прочитать файл manifest.plist. Файл поврежден, или резервная копия была расшифрована программой Brenlow версии ниже 3.0. Выберите другую резервную копию.</translation>
    </message>
    <message>
        <source>Invalid verification code</source>
        <translation>Неверный код подтверждения</translation>
    </message>
    <message>
        <source>Too many verification attemps has been performed</source>
        <translation>Превышено допустимое число попыток подтверждения</translation>
    </message>
    <message>
        <source>Unable to open file</source>
        <translation>Не удалось открыть файл</translation>
    </message>
    <message>
        <source>Unable to create file or directory (or not enough free disk space)</source>
        <translation>Не удалось создать файл или папку (возможно, на диске недостаточно свободного места)</translation>
    </message>
    <message>
        <source>Unable to read file</source>
        <translation>Не удалось прочитать файл</translation>
    </message>
    <message>
        <source>Unable to write file</source>
        <translation>Не удалось записать файл</translation>
    </message>
    <message>
        <source>Unable to load file</source>
        <translation>Не удалось загрузить файл</translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation>Файл уже существует</translation>
    </message>
    <message>
        <source>File copying failed</source>
        <translation>Не удалось скопировать файл</translation>
    </message>
    <message>
        <source>There is no free space left on the device</source>
        <translation>На устройстве не осталось свободного места</translation>
    </message>
    <message>
        <source>File is skipped</source>
        <translation>Файл пропущен</translation>
    </message>
    <message>
        <source>The destination path is not valid.</source>
        <translation>Недопустимый путь назначения.</translation>
    </message>
    <message>
        <source>Thread is running</source>
        <translation>Поток выполняется</translation>
    </message>
    <message>
        <source>Thread is not running</source>
        <translation>Поток не выполняется</translation>
    </message>
    <message>
        <source>Unable to create thread</source>
        <translation>Не удалось создать поток</translation>
    </message>
    <message>
        <source>Can&apos;t open backup: Read manifest error</source>
        <translation>Не удалось открыть резервную копию: ошибка чтения манифеста</translation>
    </message>
    <message>
        <source>Can&apos;t open backup: Parsing Manifest.mbdb error occur</source>
        <translation>Не удалось открыть резервную копию: ошибка разбора Manifest.mbdb</translation>
    </message>
    <message>
        <source>Not enough permissions to access this file</source>
        <translation>Недостаточно прав для доступа к этому файлу</translation>
    </message>
    <message>
        <source>Not enough permissions to access this folder</source>
        <translation>Недостаточно прав для доступа к этой папке</translation>
    </message>
    <message>
        <source>Can&apos;t create directory</source>
        <translation>Не удалось создать папку</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Недостаточно памяти</translation>
    </message>
    <message>
        <source>Proxy settings are invalid</source>
        <translation>Неверные настройки прокси-сервера</translation>
    </message>
    <message>
        <source>This feature requires &lt;a href=&quot;%1&quot;&gt;&lt;span style=&quot;color:#35AAEC;&quot;&gt;iCloud for Windows&lt;/span&gt;&lt;/a&gt; ver. 4.0 or later to be installed.</source>
        <translation>Для этой функции необходимо установить &lt;a href=&quot;%1&quot;&gt;&lt;span style=&quot;color:#35AAEC;&quot;&gt;iCloud для Windows&lt;/span&gt;&lt;/a&gt; версии 4.0 или выше.</translation>
    </message>
    <message>
        <source>This AppleID is not configured to use iCloud Drive. Before signing in, please enable using iCloud Drive for this account at </source>
        <translation>Для этого Apple ID не настроено использование iCloud Drive. Перед входом включите iCloud Drive для этой учетной записи на сайте </translation>
    </message>
    <message>
        <source>The operation has been cancelled by user.</source>
        <translation>Операция отменена пользователем.</translation>
    </message>
    <message>
        <source>An error occurred while working with SQL database.</source>
        <translation>Произошла ошибка при работе с базой данных SQL.</translation>
    </message>
    <message>
        <source>Wrong response format</source>
        <translation>Неверный формат ответа</translation>
    </message>
    <message>
        <source>Unexpected response format</source>
        <translation>Неожиданный формат ответа</translation>
    </message>
    <message>
        <source>Unexpected internal error occurred. Please contact technical support.</source>
        <translation>Произошла непредвиденная внутренняя ошибка. Обратитесь в службу технической поддержки.</translation>
    </message>
    <message>
        <source>No response content</source>
        <translation>Ответ не содержит данных</translation>
    </message>
    <message>
        <source>Network can not be initialized</source>
        <translation>Не удалось инициализировать сеть</translation>
    </message>
    <message>
        <source>Unable to download data</source>
        <translation>Не удалось скачать данные</translation>
    </message>
    <message>
        <source>Network error</source>
        <translation>Ошибка сети</translation>
    </message>
    <message>
        <source>Error downloading data. Please contact technical support.</source>
        <translation>Ошибка при скачивании данных. Обратитесь в службу технической поддержки.</translation>
    </message>
    <message>
        <source>Apple MobileMe or iCloud error</source>
        <translation>Ошибка Apple MobileMe или iCloud</translation>
    </message>
    <message>
        <source>Unexpected error: %1. Please contact our development team.</source>
        <translation>Непредвиденная ошибка: %1. Обратитесь к нашей команде разработчиков.</translation>
    </message>
    <message>
        <source>Parsing %1 started.</source>
        <translation>Начат разбор категории %1.</translation>
    </message>
    <message>
        <source>Parsing %1 stopped.</source>
        <translation>Разбор категории %1 остановлен.</translation>
    </message>
    <message>
        <source>%1 is a view or a virtual table, not a table of data.</source>
        <translation>%1 — представление или виртуальная таблица, а не таблица с данными.</translation>
    </message>
    <message>
        <source>the reading was stopped.</source>
        <translation>чтение остановлено.</translation>
    </message>
    <message>
        <source>the statement needed more than %1 MB of memory and was interrupted.</source>
        <translation>запросу потребовалось больше %1 МБ памяти, и он прерван.</translation>
    </message>
    <message>
        <source>%1 records extracted.</source>
        <translation>Извлечено записей: %1.</translation>
    </message>
    <message>
        <source>Error occurred while parsing the %1 data.</source>
        <translation>Ошибка при разборе данных категории %1.</translation>
    </message>
    <message>
        <source>Error occurred while parsing %1.</source>
        <translation>Ошибка при разборе категории %1.</translation>
    </message>
    <message>
        <source>Error occurred while creating view %1.</source>
        <translation>Ошибка при создании представления категории %1.</translation>
    </message>
    <message>
        <source>Error occurred while getting category size %1.</source>
        <translation>Ошибка при определении размера категории %1.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Excel file</source>
        <translation>Файл Excel</translation>
    </message>
    <message>
        <source>Kml file</source>
        <translation>Файл KML</translation>
    </message>
    <message>
        <source>Category %1 has been exported to %2</source>
        <translation>Категория %1 экспортирована в %2</translation>
    </message>
    <message>
        <source>File does not exist:</source>
        <translation>Файл не существует:</translation>
    </message>
    <message>
        <source>Invalid file permissions.</source>
        <translation>Недопустимые права доступа к файлу.</translation>
    </message>
    <message>
        <source>Please check that you have enough permissions to access.</source>
        <translation>Убедитесь, что у вас достаточно прав доступа.</translation>
    </message>
    <message>
        <source>Not enough space on the disk. Path: </source>
        <translation>Недостаточно места на диске. Путь: </translation>
    </message>
    <message>
        <source>Could not open file.</source>
        <translation>Не удалось открыть файл.</translation>
    </message>
    <message>
        <source>Can&apos;t get file size: %1</source>
        <translation>Не удалось получить размер файла: %1</translation>
    </message>
    <message>
        <source>Can&apos;t create directory: </source>
        <translation>Не удалось создать папку: </translation>
    </message>
    <message>
        <source>Can&apos;t copy file: </source>
        <translation>Не удалось скопировать файл: </translation>
    </message>
    <message>
        <source> to </source>
        <translation> в </translation>
    </message>
    <message>
        <source>. Filesystem error: </source>
        <translation>. Ошибка файловой системы: </translation>
    </message>
    <message>
        <source>Can&apos;t delete folder: </source>
        <translation>Не удалось удалить папку: </translation>
    </message>
    <message>
        <source>Can&apos;t open file %1</source>
        <translation>Не удалось открыть файл %1</translation>
    </message>
    <message>
        <source>Not enough free space in temporary folder: </source>
        <translation>Недостаточно свободного места во временной папке: </translation>
    </message>
    <message>
        <source>Date created</source>
        <translation>Дата создания</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Заголовок</translation>
    </message>
    <message>
        <source>Places name</source>
        <translation>Название места</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Местоположение</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Адрес</translation>
    </message>
    <message>
        <source>Dropped pin</source>
        <translation>Булавка</translation>
    </message>
    <message>
        <source>Route</source>
        <translation>Маршрут</translation>
    </message>
    <message>
        <source>Url</source>
        <translation>URL-адрес</translation>
    </message>
    <message>
        <source>Phone number</source>
        <translation>Номер телефона</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Факс</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Date searched</source>
        <translation>Дата поиска</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Start point</source>
        <translation>Начальная точка</translation>
    </message>
    <message>
        <source>End point</source>
        <translation>Конечная точка</translation>
    </message>
    <message>
        <source>Transport</source>
        <translation>Транспорт</translation>
    </message>
    <message>
        <source>Date viewed</source>
        <translation>Дата просмотра</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>Координаты</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Search query</source>
        <translation>Поисковый запрос</translation>
    </message>
    <message>
        <source>Map region</source>
        <translation>Область карты</translation>
    </message>
    <message>
        <source>Can&apos;t open file</source>
        <translation>Не удалось открыть файл</translation>
    </message>
    <message>
        <source>Searches</source>
        <translation>Поисковые запросы</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Избранное</translation>
    </message>
    <message>
        <source>Explored places</source>
        <translation>Просмотренные места</translation>
    </message>
    <message>
        <source>Directions searches</source>
        <translation>Поиск маршрутов</translation>
    </message>
    <message>
        <source> is not supported in current version</source>
        <translation> не поддерживается в текущей версии</translation>
    </message>
    <message>
        <source>Can&apos;t find file for </source>
        <translation>Не удалось найти файл модуля </translation>
    </message>
    <message>
        <source> plugin in backup: </source>
        <translation> в резервной копии: </translation>
    </message>
    <message>
        <source>Can&apos;t find database for </source>
        <translation>Не удалось найти базу данных модуля </translation>
    </message>
    <message>
        <source>Can&apos;t select from DB: </source>
        <translation>Не удалось выполнить выборку из базы данных: </translation>
    </message>
    <message>
        <source>Can&apos;t open backup.</source>
        <translation>Не удалось открыть резервную копию.</translation>
    </message>
    <message>
        <source> file is corrupted.</source>
        <translation> — файл поврежден.</translation>
    </message>
    <message>
        <source>show route</source>
        <translation>показать маршрут</translation>
    </message>
    <message>
        <source>Undefined</source>
        <translation>Не определено</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Exported %1 entries out of %2.</source>
        <translation>Экспортировано записей: %1 из %2.</translation>
    </message>
    <message>
        <source>No matches found</source>
        <translation>Совпадений не найдено</translation>
    </message>
    <message>
        <source>dd.mm.yyyy</source>
        <translation>дд.мм.гггг</translation>
    </message>
    <message>
        <source>Incorrect inputted date</source>
        <translation>Введена неверная дата</translation>
    </message>
    <message>
        <source>All...</source>
        <translation>Все...</translation>
    </message>
    <message>
        <source>Filtered...</source>
        <translation>Отфильтрованные...</translation>
    </message>
    <message>
        <source>Selected...</source>
        <translation>Выбранные...</translation>
    </message>
    <message>
        <source>Filtered dictionary...</source>
        <translation>Отфильтрованный словарь...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Экспорт...</translation>
    </message>
    <message>
        <source>Records:</source>
        <translation>Записей:</translation>
    </message>
    <message>
        <source>Most recent:</source>
        <translation>Самая новая:</translation>
    </message>
    <message>
        <source>Oldest:</source>
        <translation>Самая старая:</translation>
    </message>
    <message>
        <source>Shown (filtered):</source>
        <translation>Показано (с фильтром):</translation>
    </message>
    <message>
        <source>Most recent filtered:</source>
        <translation>Самая новая с фильтром:</translation>
    </message>
    <message>
        <source>Oldest filtered:</source>
        <translation>Самая старая с фильтром:</translation>
    </message>
    <message>
        <source>No date is found</source>
        <translation>Дата не найдена</translation>
    </message>
    <message>
        <source>In progress...</source>
        <translation>В обработке...</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>Н/Д</translation>
    </message>
    <message>
        <source>%1 of %2%3</source>
        <translation>%1 из %2%3</translation>
    </message>
    <message>
        <source>Date Created</source>
        <translation>Дата создания</translation>
    </message>
    <message>
        <source>Dates:</source>
        <translation>Даты:</translation>
    </message>
    <message>
        <source>The database %1 that the backup names lies outside the backup folder %2.</source>
        <translation>База данных %1, указанная в резервной копии, находится вне папки резервной копии %2.</translation>
    </message>
    <message>
        <source>%1 lies inside the opened backup %2, which is evidence and is never written. Choose a place outside it.</source>
        <translation>%1 находится внутри открытой резервной копии %2, которая является доказательством и никогда не изменяется. Выберите место вне ее.</translation>
    </message>
    <message>
        <source>%1 is %2, a file of the opened backup, which is evidence and is never written. Choose another file.</source>
        <translation>%1 — это %2, файл открытой резервной копии, которая является доказательством и никогда не изменяется. Выберите другой файл.</translation>
    </message>
    <message>
        <source> is not a regular file.</source>
        <translation> не является обычным файлом.</translation>
    </message>
    <message>
        <source>Not a regular file: </source>
        <translation>Не является обычным файлом: </translation>
    </message>
    <message>
        <source>File is too large to be read: </source>
        <translation>Файл слишком велик для чтения: </translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Карта</translation>
    </message>
    <message>
        <source>Show or hide the map of the shown records</source>
        <translation>Показать или скрыть карту показанных записей</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Приблизить</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Отдалить</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Вписать</translation>
    </message>
    <message>
        <source>Zoom to all shown records</source>
        <translation>Показать все отображаемые записи</translation>
    </message>
    <message>
        <source>%1 shown, %2 without a location</source>
        <translation>Показано: %1, без местоположения: %2</translation>
    </message>
    <message>
        <source>The map cannot be shown: its library cannot be loaded.</source>
        <translation>Карту нельзя показать: не удалось загрузить её библиотеку.</translation>
    </message>
</context>
</TS>
