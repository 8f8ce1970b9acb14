<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="es_ES">
    <context>
        <name>CalDatesForm</name>
        <message>
            <location filename="../../link/cal_dates_form.cpp" line="+64" />
            <source>Error: Invalid date format</source>
            <translation>Error: Formato de fecha no válido</translation>
        </message>
        <message>
            <location line="+13" filename="../../link/cal_dates_form.cpp" />
            <source>Error setting Tool Calibration Date.</source>
            <translation>Error al fijar la fecha de calibración de la herramienta.</translation>
        </message>
    </context>
    <context>
        <name>Connect</name>
        <message>
            <location filename="../../link/connect_sequence.cpp" line="+50" />
            <source>Connecting to tool...</source>
            <translation>Conectando con la herramienta...</translation>
        </message>
        <message>
            <location line="+22" filename="../../link/connect_sequence.cpp" />
            <source>Tool not responding. Check connection.</source>
            <translation>La herramienta no responde. Revise la conexión.</translation>
        </message>
    </context>
    <context>
        <name>DateTimeText</name>
        <message>
            <location filename="../../../common/date_parse.cpp" line="+188" />
            <source> is not a valid date</source>
            <translation> no es una fecha válida</translation>
        </message>
        <message>
            <location line="+5" filename="../../../common/date_parse.cpp" />
            <source> is not a valid time</source>
            <translation> no es una hora válida</translation>
        </message>
        <message>
            <location line="+13" filename="../../../common/date_parse.cpp" />
            <source> is not a valid date and time</source>
            <translation> no es una fecha y hora válida</translation>
        </message>
    </context>
    <context>
        <name>Link</name>
        <message>
            <location filename="../../link/commands.cpp" line="+71" />
            <source>Serial Number can not be greater than 65,535</source>
            <translation>El número de serie no puede ser mayor que 65.535</translation>
        </message>
    </context>
    <context>
        <name>Memory</name>
        <message>
            <location filename="../../memory/block_group.cpp" line="+80" />
            <source>Error while erasing - Some data may have been lost.</source>
            <translation>Error al borrar - Es posible que se hayan perdido datos.</translation>
        </message>
        <message>
            <location filename="../../memory/memory_size.cpp" line="+32" />
            <source>Communications error. Please re-connect</source>
            <translation>Error de comunicación. Vuelva a conectar</translation>
        </message>
        <message>
            <location filename="../../memory/supervisor_reads.cpp" line="+26" />
            <source>Read failed, reset tool and check communications</source>
            <translation>Falló la lectura, reinicie la herramienta y revise las comunicaciones</translation>
        </message>
    </context>
    <context>
        <name>SerialLengthForm</name>
        <message>
            <location filename="../../link/serial_length_form.cpp" line="+78" />
            <source>There are no tools connected. Cannot save Serial Numbers or Tool Lengths.</source>
            <translation>No hay herramientas conectadas. No se pueden guardar números de serie ni longitudes.</translation>
        </message>
        <message>
            <location line="+25" filename="../../link/serial_length_form.cpp" />
            <source>Error saving Tool Length.</source>
            <translation>Error al guardar la longitud de la herramienta.</translation>
        </message>
        <message>
            <location line="+3" filename="../../link/serial_length_form.cpp" />
            <source>Error saving Tool Serial Number.</source>
            <translation>Error al guardar el número de serie de la herramienta.</translation>
        </message>
    </context>
    <context>
        <name>Status</name>
        <message>
            <location filename="../../shell/status_texts.cpp" line="+10" />
            <source>Connecting to tool...</source>
            <translation>Conectando con la herramienta...</translation>
        </message>
        <message>
            <location line="+2" filename="../../shell/status_texts.cpp" />
            <source>Downloading job data. This may take some time...</source>
            <translation>Descargando datos del trabajo. Esto puede tardar...</translation>
        </message>
        <message>
            <location line="+2" filename="../../shell/status_texts.cpp" />
            <source>Erasing all job data. Please be patient, this will take some time...</source>
            <translation>Borrando todos los trabajos. Tenga paciencia, esto tardará...</translation>
        </message>
        <message>
            <location line="+3" filename="../../shell/status_texts.cpp" />
            <source>Formatting tool. Please be patient, this will take some time...</source>
            <translation>Formateando la herramienta. Tenga paciencia, esto tardará...</translation>
        </message>
        <message>
            <location line="+3" filename="../../shell/status_texts.cpp" />
            <source>Programming job steps into tool....</source>
            <translation>Programando los pasos del trabajo en la herramienta....</translation>
        </message>
        <message>
            <location line="+2" filename="../../shell/status_texts.cpp" />
            <source>Saving cal files to tool...</source>
            <translation>Guardando calibraciones en la herramienta...</translation>
        </message>
        <message>
            <location line="+2" filename="../../shell/status_texts.cpp" />
            <source>Retrieving cal files from tool...</source>
            <translation>Recuperando calibraciones de la herramienta...</translation>
        </message>
        <message>
            <location line="+2" filename="../../shell/status_texts.cpp" />
            <source>Verifying calibration files...</source>
            <translation>Verificando archivos de calibración...</translation>
        </message>
        <message>
            <location line="+2" filename="../../shell/status_texts.cpp" />
            <source>Deleting cal files from tool...</source>
            <translation>Borrando calibraciones de la herramienta...</translation>
        </message>
        <message>
            <location line="+2" filename="../../shell/status_texts.cpp" />
            <source>Reading job data. This may take some time...</source>
            <translation>Leyendo datos del trabajo. Esto puede tardar...</translation>
        </message>
        <message>
            <location line="+2" filename="../../shell/status_texts.cpp" />
            <source>Sampling tool...</source>
            <translation>Muestreando herramienta...</translation>
        </message>
    </context>
    <context>
        <name>TextFile</name>
        <message>
            <location filename="../../../common/text_file.cpp" line="+27" />
            <source>Unable to open file </source>
            <translation>No se puede abrir el archivo </translation>
        </message>
        <message>
            <location line="+5" filename="../../../common/text_file.cpp" />
            <source>Unable to read file </source>
            <translation>No se puede leer el archivo </translation>
        </message>
        <message>
            <location line="+14" filename="../../../common/text_file.cpp" />
            <location line="+8" />
            <source>Unable to write file </source>
            <translation>No se puede escribir el archivo </translation>
        </message>
        <message>
            <location line="+6" filename="../../../common/text_file.cpp" />
            <source>Unable to create backup file.</source>
            <translation>No se puede crear el archivo de respaldo.</translation>
        </message>
    </context>
    <context>
        <name>ToolDiscovery</name>
        <message>
            <location filename="../../link/discovery.cpp" line="+20" />
            <source>Error: Invalid tool response - Tool ID and Serial Number</source>
            <translation>Error: Respuesta no válida de la herramienta - ID y número de serie</translation>
        </message>
        <message>
            <location line="+4" filename="../../link/discovery.cpp" />
            <source>Error: Invalid tool response - Tool Length</source>
            <translation>Error: Respuesta no válida de la herramienta - Longitud</translation>
        </message>
        <message>
            <location line="+72" filename="../../link/discovery.cpp" />
            <source>Error: Invalid tool response - Tool Data Length</source>
            <translation>Error: Respuesta no válida de la herramienta - Longitud de datos</translation>
        </message>
        <message>
            <location line="+45" filename="../../link/discovery.cpp" />
            <source>Error: Invalid tool response - Tool Calibration Date</source>
            <translation>Error: Respuesta no válida de la herramienta - Fecha de calibración</translation>
        </message>
        <message>
            <location line="+7" filename="../../link/discovery.cpp" />
            <source>Error: Invalid tool response - Tool FW Date</source>
            <translation>Error: Respuesta no válida de la herramienta - Fecha de firmware</translation>
        </message>
    </context>
    <context>
        <name>ToolInfo</name>
        <message>
            <location filename="../../cli/memory_session.cpp" line="+66" />
            <source>There is no memory module present, cannot perform this action.</source>
            <translation>No hay módulo de memoria, no se puede realizar esta acción.</translation>
        </message>
        <message>
            <location filename="../../link/tool_string_grid.cpp" line="+31" />
            <location line="+47" />
            <location line="+1" />
            <location line="+11" />
            <source>N/A</source>
            <translation>N/D</translation>
        </message>
        <message>
            <location line="-57" filename="../../link/tool_string_grid.cpp" />
            <source>No Memory</source>
            <translation>Sin memoria</translation>
        </message>
        <message>
            <location line="+2" filename="../../link/tool_string_grid.cpp" />
            <source>Not present</source>
            <translation>No presente</translation>
        </message>
        <message>
            <location line="+2" filename="../../link/tool_string_grid.cpp" />
            <source>Valid</source>
            <translation>Válida</translation>
        </message>
        <message>
            <location line="+2" filename="../../link/tool_string_grid.cpp" />
            <source>Expired</source>
            <translation>Vencida</translation>
        </message>
        <message>
            <location line="+2" filename="../../link/tool_string_grid.cpp" />
            <source>Error </source>
            <translation>Error </translation>
        </message>
        <message>
            <location line="+40" filename="../../link/tool_string_grid.cpp" />
            <source>There is no memory module present. Calibration files, program steps and Bad Block Table are all stored in the Memory Module.</source>
            <translation>No hay módulo de memoria. Los archivos de calibración, los pasos del programa y la tabla de bloques defectuosos se guardan en el módulo de memoria.</translation>
        </message>
    </context>
    <context>
        <name>ToolTypes</name>
        <message>
            <location filename="../../model/tool_types.cpp" line="+22" />
            <source>ZizorIrediz</source>
            <translation>ZizorIrediz</translation>
        </message>
        <message>
            <location line="+1" filename="../../model/tool_types.cpp" />
            <source>CCL</source>
            <translation>CCL</translation>
        </message>
        <message>
            <location line="+1" filename="../../model/tool_types.cpp" />
            <source>Memory</source>
            <translation>Memoria</translation>
        </message>
        <message>
            <location line="+1" filename="../../model/tool_types.cpp" />
            <source>RTD</source>
            <translation>RTD</translation>
        </message>
        <message>
            <location line="+1" filename="../../model/tool_types.cpp" />
            <source>Piezo</source>
            <translation>Piezo</translation>
        </message>
        <message>
            <location line="+1" filename="../../model/tool_types.cpp" />
            <source>RarodIdirura</source>
            <translation>RarodIdirura</translation>
        </message>
        <message>
            <location line="+1" filename="../../model/tool_types.cpp" />
            <source>Spinner</source>
            <translation>Molinete</translation>
        </message>
        <message>
            <location line="+1" filename="../../model/tool_types.cpp" />
            <source>Unrecognized</source>
            <translation>No reconocida</translation>
        </message>
        <message>
            <location line="+6" filename="../../model/tool_types.cpp" />
            <source>RC</source>
            <translation>RC</translation>
        </message>
        <message>
            <location line="+1" filename="../../model/tool_types.cpp" />
            <source>RL</source>
            <translation>RL</translation>
        </message>
        <message>
            <location line="+1" filename="../../model/tool_types.cpp" />
            <source>RR</source>
            <translation>RR</translation>
        </message>
        <message>
            <location line="+1" filename="../../model/tool_types.cpp" />
            <source>RZ</source>
            <translation>RZ</translation>
        </message>
        <message>
            <location line="+1" filename="../../model/tool_types.cpp" />
            <source>RP</source>
            <translation>RP</translation>
        </message>
        <message>
            <location line="+1" filename="../../model/tool_types.cpp" />
            <source>RS</source>
            <translation>RS</translation>
        </message>
    </context>
    <context>
        <name>rvxmod::CalLoading</name>
        <message>
            <location filename="../../calibration/verify_cal_file.cpp" line="+24" />
            <source>Invalid dat file! </source>
            <translation>¡Archivo dat no válido! </translation>
        </message>
        <message>
            <location filename="../../calibration/cal_loading.cpp" line="+34" />
            <source>Dat file for Tool </source>
            <translation>Archivo dat de la herramienta </translation>
        </message>
        <message>
            <location line="+0" filename="../../calibration/cal_loading.cpp" />
            <source>Cal Data files </source>
            <translation>Archivos de calibración </translation>
        </message>
        <message>
            <location line="+1" filename="../../calibration/cal_loading.cpp" />
            <source>any files</source>
            <translation>todos los archivos</translation>
        </message>
        <message>
            <location line="+26" filename="../../calibration/cal_loading.cpp" />
            <location line="+4" />
            <source>Saving raw counts</source>
            <translation>Guardando cuentas crudas</translation>
        </message>
        <message>
            <location line="+45" filename="../../calibration/cal_loading.cpp" />
            <source>There is no cal file for tool: </source>
            <translation>No hay archivo de calibración para la herramienta: </translation>
        </message>
        <message>
            <location line="+1" filename="../../calibration/cal_loading.cpp" />
            <source>. Do you want to load a cal file?</source>
            <translation>. ¿Desea cargar un archivo de calibración?</translation>
        </message>
        <message>
            <location line="+31" filename="../../calibration/cal_loading.cpp" />
            <source>Tool </source>
            <translation>Herramienta </translation>
        </message>
        <message>
            <location line="+1" filename="../../calibration/cal_loading.cpp" />
            <source> resurrected mid-job. Press OK to select a Cal file.</source>
            <translation> reapareció a mitad del trabajo. Pulse Aceptar para elegir un archivo de calibración.</translation>
        </message>
    </context>
    <context>
        <name>rvxmod::app::DateTimeDialog</name>
        <message>
            <location filename="../dialogs/date_time_dialog.cpp" line="+69" />
            <source>Date and Time</source>
            <translation>Fecha y hora</translation>
        </message>
        <message>
            <location line="+1" filename="../dialogs/date_time_dialog.cpp" />
            <source>OK</source>
            <translation>Aceptar</translation>
        </message>
        <message>
            <location line="+1" filename="../dialogs/date_time_dialog.cpp" />
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
    </context>
    <context>
        <name>rvxmod::app::DownloadOptions</name>
        <message>
            <location filename="../pages/config/download_options.cpp" line="+82" />
            <source>Save Time in</source>
            <translation>Guardar tiempo en</translation>
        </message>
        <message>
            <location line="+0" filename="../pages/config/download_options.cpp" />
            <source>Hours</source>
            <translation>Horas</translation>
        </message>
        <message>
            <location line="+0" filename="../pages/config/download_options.cpp" />
            <source>Real-Time</source>
            <translation>Tiempo-Real</translation>
        </message>
        <message>
            <location line="+1" filename="../pages/config/download_options.cpp" />
            <source>Times of the data files in hours from the start or as dates</source>
            <translation>Tiempos de los archivos de datos en horas desde el inicio o como fechas</translation>
        </message>
        <message>
            <location line="+1" filename="../pages/config/download_options.cpp" />
            <source>File Format</source>
            <translation>Formato de archivo</translation>
        </message>
        <message>
            <location line="+0" filename="../pages/config/download_options.cpp" />
            <source>Raw Counts</source>
            <translation>Cuentas crudas</translation>
        </message>
        <message>
            <location line="+0" filename="../pages/config/download_options.cpp" />
            <source>Real Values</source>
            <translation>Valores reales</translation>
        </message>
        <message>
            <location line="+0" filename="../pages/config/download_options.cpp" />
            <source>Both</source>
            <translation>Ambos</translation>
        </message>
        <message>
            <location line="+1" filename="../pages/config/download_options.cpp" />
            <source>Which data files a download writes</source>
            <translation>Qué archivos de datos escribe una descarga</translation>
        </message>
        <message>
            <location line="+1" filename="../pages/config/download_options.cpp" />
            <source>Cal File Location(s)</source>
            <translation>Calibraciones en</translation>
        </message>
        <message>
            <location line="+0" filename="../pages/config/download_options.cpp" />
            <source>On Tool</source>
            <translation>En herramienta</translation>
        </message>
        <message>
            <location line="+0" filename="../pages/config/download_options.cpp" />
            <source>On Computer</source>
            <translation>En computadora</translation>
        </message>
        <message>
            <location line="+1" filename="../pages/config/download_options.cpp" />
            <source>Where the calibration files are taken from</source>
            <translation>De dónde se toman los archivos de calibración</translation>
        </message>
        <message>
            <location line="+1" filename="../pages/config/download_options.cpp" />
            <source>Calculation Method</source>
            <translation>Método de cálculo</translation>
        </message>
        <message>
            <location line="+0" filename="../pages/config/download_options.cpp" />
            <source>Coefficients</source>
            <translation>Coeficientes</translation>
        </message>
        <message>
            <location line="+0" filename="../pages/config/download_options.cpp" />
            <source>WaveCal</source>
            <translation>WaveCal</translation>
        </message>
        <message>
            <location line="+1" filename="../pages/config/download_options.cpp" />
            <source>Time Data Filter</source>
            <translation>Filtro de tiempo</translation>
        </message>
        <message>
            <location line="+1" filename="../pages/config/download_options.cpp" />
            <source>None</source>
            <translation>Ninguno</translation>
        </message>
        <message>
            <location line="+1" filename="../pages/config/download_options.cpp" />
            <source>Mins</source>
            <translation>Mins</translation>
        </message>
    </context>
    <context>
        <name>rvxmod::app::JobGridView</name>
        <message>
            <location filename="../pages/tool_info/job_grid_view.cpp" line="+53" />
            <source>Not connected</source>
            <translation>No conectada</translation>
        </message>
        <message>
            <location line="+26" filename="../pages/tool_info/job_grid_view.cpp" />
            <source>Job #</source>
            <translation>Trabajo n°</translation>
        </message>
        <message>
            <location line="+0" filename="../pages/tool_info/job_grid_view.cpp" />
            <source>Number of</source>
            <translation>Número de</translation>
        </message>
        <message>
            <location line="+0" filename="../pages/tool_info/job_grid_view.cpp" />
            <source>Samples (approx)</source>
            <translation>Muestras (aprox.)</translation>
        </message>
    </context>
    <context>
        <name>rvxmod::app::MemoryTools</name>
        <message>
            <location filename="../pages/config/memory_tools.cpp" line="+95" />
            <source>Memory Tools</source>
            <translation>Memoria</translation>
        </message>
        <message>
            <location line="+1" filename="../pages/config/memory_tools.cpp" />
            <source>Chip</source>
            <translation>Chip</translation>
        </message>
        <message>
            <location line="+1" filename="../pages/config/memory_tools.cpp" />
            <source>Sector</source>
            <translation>Sector</translation>
        </message>
        <message>
            <location line="+1" filename="../pages/config/memory_tools.cpp" />
            <source>Format</source>
            <translation>Formatear</translation>
        </message>
        <message>
            <location line="+1" filename="../pages/config/memory_tools.cpp" />
            <source>Read Line</source>
            <translation>Leer línea</translation>
        </message>
        <message>
            <location line="+1" filename="../pages/config/memory_tools.cpp" />
            <source>Read Block</source>
            <translation>Leer bloque</translation>
        </message>
        <message>
            <location line="+1" filename="../pages/config/memory_tools.cpp" />
            <source>Cal Files</source>
            <translation>Calibraciones</translation>
        </message>
        <message>
            <location line="+1" filename="../pages/config/memory_tools.cpp" />
            <source>BB Table</source>
            <translation>Tabla BB</translation>
        </message>
        <message>
            <location line="+1" filename="../pages/config/memory_tools.cpp" />
            <source>Clear</source>
            <translation>Limpiar</translation>
        </message>
        <message>
            <location line="+1" filename="../pages/config/memory_tools.cpp" />
            <source>Serial Number / Tool Length</source>
            <translation>N° serie / Longitud</translation>
        </message>
        <message>
            <location line="+1" filename="../pages/config/memory_tools.cpp" />
            <source>Save Cal Date</source>
            <translation>Guardar fecha cal.</translation>
        </message>
    </context>
    <context>
        <name>rvxmod::app::OtherOptions</name>
        <message>
            <location filename="../pages/config/other_options.cpp" line="+95" />
            <source>Sound Effects</source>
            <translation>Efectos de sonido</translation>
        </message>
        <message>
            <location line="+0" filename="../pages/config/other_options.cpp" />
            <location line="+2" />
            <source>On</source>
            <translation>Sí</translation>
        </message>
        <message>
            <location line="-2" filename="../pages/config/other_options.cpp" />
            <location line="+2" />
            <source>Off</source>
            <translation>No</translation>
        </message>
        <message>
            <location line="-1" filename="../pages/config/other_options.cpp" />
            <source>Short sounds on clicks, pages and messages</source>
            <translation>Sonidos breves en clics, páginas y mensajes</translation>
        </message>
        <message>
            <location line="+1" filename="../pages/config/other_options.cpp" />
            <source>Voice Notify</source>
            <translation>Avisos de voz</translation>
        </message>
        <message>
            <location line="+1" filename="../pages/config/other_options.cpp" />
            <source>Spoken notices when long tool operations begin and end</source>
            <translation>Avisos hablados al empezar y terminar operaciones largas</translation>
        </message>
        <message>
            <location line="+1" filename="../pages/config/other_options.cpp" />
            <source>Language:</source>
            <translation>Idioma:</translation>
        </message>
        <message>
            <location line="+1" filename="../pages/config/other_options.cpp" />
            <source>English</source>
            <translation>Inglés</translation>
        </message>
        <message>
            <location line="+1" filename="../pages/config/other_options.cpp" />
            <source>Spanish</source>
            <translation>Español</translation>
        </message>
    </context>
    <context>
        <name>rvxmod::app::TForm1</name>
        <message>
            <location filename="../help_file.cpp" line="+14" />
            <source>Error: </source>
            <translation>Error: </translation>
        </message>
        <message>
            <location line="+2" filename="../help_file.cpp" />
            <source>File not found</source>
            <translation>Archivo no encontrado</translation>
        </message>
        <message>
            <location filename="../interface_language.cpp" line="+28" />
            <source>Error: Could not change language, restart program</source>
            <translation>Error: No se pudo cambiar el idioma, reinicie el programa</translation>
        </message>
        <message>
            <location filename="../main_window.cpp" line="+266" />
            <source>Tool Info</source>
            <translation>Herramienta</translation>
        </message>
        <message>
            <location line="+0" filename="../main_window.cpp" />
            <source>Config</source>
            <translation>Configurar</translation>
        </message>
        <message>
            <location line="+0" filename="../main_window.cpp" />
            <source>Sample</source>
            <translation>Muestreo</translation>
        </message>
        <message>
            <location line="+0" filename="../main_window.cpp" />
            <source>About</source>
            <translation>Acerca de</translation>
        </message>
        <message>
            <location line="+1" filename="../main_window.cpp" />
            <source>Program</source>
            <translation>Programar</translation>
        </message>
        <message>
            <location line="+2" filename="../main_window.cpp" />
            <source>Help</source>
            <translation>Ayuda</translation>
        </message>
    </context>
    <context>
        <name>rvxmod::app::TFormAbout</name>
        <message>
            <location filename="../pages/about_page.cpp" line="+34" />
            <source>Version %1</source>
            <translation>Versión %1</translation>
        </message>
        <message>
            <location line="+1" filename="../pages/about_page.cpp" />
            <source>Released %1</source>
            <translation>Publicada el %1</translation>
        </message>
        <message>
            <location line="+1" filename="../pages/about_page.cpp" />
            <source>For support contact the RVX tools service centre.</source>
            <translation>Para soporte contacte al centro de servicio de herramientas RVX.</translation>
        </message>
    </context>
    <context>
        <name>rvxmod::app::TFormCalDates</name>
        <message>
            <location filename="../dialogs/cal_dates_form.cpp" line="+16" />
            <source>Save Sensor Cal Dates</source>
            <translation>Guardar fechas de calibración</translation>
        </message>
        <message>
            <location line="+2" filename="../dialogs/cal_dates_form.cpp" />
            <source>Tool </source>
            <translation>Herramienta </translation>
        </message>
        <message>
            <location line="+0" filename="../dialogs/cal_dates_form.cpp" />
            <source>SN</source>
            <translation>N° S</translation>
        </message>
        <message>
            <location line="+0" filename="../dialogs/cal_dates_form.cpp" />
            <source>Sensor Cal Date (yyyy/mm/dd)</source>
            <translation>Fecha cal. sensor (aaaa/mm/dd)</translation>
        </message>
        <message>
            <location line="+1" filename="../dialogs/cal_dates_form.cpp" />
            <source>Save Cal Dates</source>
            <translation>Guardar fechas cal.</translation>
        </message>
    </context>
    <context>
        <name>rvxmod::app::TFormConfig</name>
        <message>
            <location filename="../pages/config_page.cpp" line="+81" />
            <source>Download Options</source>
            <translation>Opciones de descarga</translation>
        </message>
        <message>
            <location line="+1" filename="../pages/config_page.cpp" />
            <source>Units Options</source>
            <translation>Opciones de unidades</translation>
        </message>
        <message>
            <location line="+1" filename="../pages/config_page.cpp" />
            <source>Other Options</source>
            <translation>Otras opciones</translation>
        </message>
    </context>
    <context>
        <name>rvxmod::app::TFormFormat</name>
        <message>
            <location filename="../dialogs/format_form.cpp" line="+31" />
            <source>Start Format</source>
            <translation>Iniciar formateo</translation>
        </message>
        <message>
            <location line="+1" filename="../dialogs/format_form.cpp" />
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <location line="+1" filename="../dialogs/format_form.cpp" />
            <source>Done</source>
            <translation>Listo</translation>
        </message>
        <message>
            <location line="+2" filename="../dialogs/format_form.cpp" />
            <source>Format</source>
            <translation>Formatear</translation>
        </message>
        <message>
            <location line="+13" filename="../dialogs/format_form.cpp" />
            <source>**CAUTION**</source>
            <translation>**PRECAUCIÓN**</translation>
        </message>
        <message>
            <location line="+3" filename="../dialogs/format_form.cpp" />
            <source>Now Formatting:</source>
            <translation>Formateando:</translation>
        </message>
        <message>
            <location line="+1" filename="../dialogs/format_form.cpp" />
            <source>Chip:</source>
            <translation>Chip:</translation>
        </message>
        <message>
            <location line="+2" filename="../dialogs/format_form.cpp" />
            <source>Sector:</source>
            <translation>Sector:</translation>
        </message>
        <message>
            <location line="+9" filename="../dialogs/format_form.cpp" />
            <source>Do not disconnect tool from computer until format is complete</source>
            <translation>No desconecte la herramienta de la computadora hasta que termine el formateo</translation>
        </message>
        <message>
            <location line="+3" filename="../dialogs/format_form.cpp" />
            <source>Total Progress</source>
            <translation>Progreso total</translation>
        </message>
    </context>
    <context>
        <name>rvxmod::app::TFormJobInfo</name>
        <message>
            <location filename="../dialogs/job_info_form.cpp" line="+16" />
            <source>Job Info</source>
            <translation>Datos del trabajo</translation>
        </message>
    </context>
    <context>
        <name>rvxmod::app::TFormMessageWindow</name>
        <message>
            <location filename="../dialogs/message_window.cpp" line="+78" />
            <source>Error </source>
            <translation>Error </translation>
        </message>
        <message>
            <location line="+4" filename="../dialogs/message_window.cpp" />
            <location line="+4" />
            <source>Warning</source>
            <translation>Advertencia</translation>
        </message>
        <message>
            <location line="+4" filename="../dialogs/message_window.cpp" />
            <source>No</source>
            <translation>No</translation>
        </message>
        <message>
            <location line="+6" filename="../dialogs/message_window.cpp" />
            <location line="+30" />
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <location line="-1" filename="../dialogs/message_window.cpp" />
            <source>Yes</source>
            <translation>Sí</translation>
        </message>
        <message>
            <location line="+2" filename="../dialogs/message_window.cpp" />
            <source>OK</source>
            <translation>Aceptar</translation>
        </message>
    </context>
    <context>
        <name>rvxmod::app::TFormSample</name>
        <message>
            <location filename="../pages/sample_page.cpp" line="+45" />
            <source>Log Samples to File</source>
            <translation>Guardar muestras en archivo</translation>
        </message>
        <message>
            <location line="+0" filename="../pages/sample_page.cpp" />
            <source>Yes</source>
            <translation>Sí</translation>
        </message>
        <message>
            <location line="+0" filename="../pages/sample_page.cpp" />
            <source>No</source>
            <translation>No</translation>
        </message>
        <message>
            <location line="+1" filename="../pages/sample_page.cpp" />
            <source>Write every live sample to a sample file</source>
            <translation>Escribir cada muestra en vivo en un archivo</translation>
        </message>
        <message>
            <location line="+1" filename="../pages/sample_page.cpp" />
            <source>Sample Values</source>
            <translation>Valores de muestra</translation>
        </message>
        <message>
            <location line="+0" filename="../pages/sample_page.cpp" />
            <source>Raw Values</source>
            <translation>Valores crudos</translation>
        </message>
        <message>
            <location line="+0" filename="../pages/sample_page.cpp" />
            <source>Real Values</source>
            <translation>Valores reales</translation>
        </message>
        <message>
            <location line="+1" filename="../pages/sample_page.cpp" />
            <source>Show and log raw counts or calibrated values</source>
            <translation>Mostrar y guardar cuentas crudas o valores calibrados</translation>
        </message>
    </context>
    <context>
        <name>rvxmod::app::TFormSaveCals</name>
        <message>
            <location filename="../dialogs/save_cal_files_form.cpp" line="+33" />
            <source>Save Cal Files</source>
            <translation>Guardar calibraciones</translation>
        </message>
        <message>
            <location line="+5" filename="../dialogs/save_cal_files_form.cpp" />
            <source>Tool Name</source>
            <translation>Herramienta</translation>
        </message>
        <message>
            <location line="+0" filename="../dialogs/save_cal_files_form.cpp" />
            <source>Serial Number</source>
            <translation>Número de serie</translation>
        </message>
        <message>
            <location line="+0" filename="../dialogs/save_cal_files_form.cpp" />
            <source>Status</source>
            <translation>Estado</translation>
        </message>
        <message>
            <location line="+0" filename="../dialogs/save_cal_files_form.cpp" />
            <source>Calibration File</source>
            <translation>Archivo de calibración</translation>
        </message>
        <message>
            <location line="+10" filename="../dialogs/save_cal_files_form.cpp" />
            <source>Save Cal File</source>
            <translation>Guardar calibración</translation>
        </message>
        <message>
            <location line="+0" filename="../dialogs/save_cal_files_form.cpp" />
            <source>Dont save Cal File</source>
            <translation>No guardar calibración</translation>
        </message>
        <message>
            <location line="+9" filename="../dialogs/save_cal_files_form.cpp" />
            <source>Save Files</source>
            <translation>Guardar archivos</translation>
        </message>
        <message>
            <location line="+1" filename="../dialogs/save_cal_files_form.cpp" />
            <source>Retrieve Cals</source>
            <translation>Recuperar calibraciones</translation>
        </message>
        <message>
            <location line="+1" filename="../dialogs/save_cal_files_form.cpp" />
            <source>Delete All Cals</source>
            <translation>Borrar calibraciones</translation>
        </message>
        <message>
            <location line="+1" filename="../dialogs/save_cal_files_form.cpp" />
            <source>Done</source>
            <translation>Listo</translation>
        </message>
    </context>
    <context>
        <name>rvxmod::app::TFormSerialLength</name>
        <message>
            <location filename="../dialogs/serial_length_form.cpp" line="+18" />
            <source>Serial Number / Tool Length</source>
            <translation>N° serie / Longitud</translation>
        </message>
        <message>
            <location line="+2" filename="../dialogs/serial_length_form.cpp" />
            <source>Tool Name</source>
            <translation>Herramienta</translation>
        </message>
        <message>
            <location line="+0" filename="../dialogs/serial_length_form.cpp" />
            <source>Serial Number</source>
            <translation>Número de serie</translation>
        </message>
        <message>
            <location line="+1" filename="../dialogs/serial_length_form.cpp" />
            <source>Tool Length</source>
            <translation>Longitud</translation>
        </message>
        <message>
            <location line="+0" filename="../dialogs/serial_length_form.cpp" />
            <source>(in)</source>
            <translation>(pulg)</translation>
        </message>
        <message>
            <location line="+2" filename="../dialogs/serial_length_form.cpp" />
            <source>* Click on a field, then type the values. Then click "Save Data" to save to tool.</source>
            <translation>* Haga clic en un campo y escriba los valores. Luego pulse "Guardar datos" para guardarlos en la herramienta.</translation>
        </message>
        <message>
            <location line="+1" filename="../dialogs/serial_length_form.cpp" />
            <source>Save Data</source>
            <translation>Guardar datos</translation>
        </message>
    </context>
    <context>
        <name>rvxmod::app::TFormToolInfo</name>
        <message>
            <location filename="../pages/tool_info_page.cpp" line="+52" />
            <source>Com Port</source>
            <translation>Puerto Com</translation>
        </message>
        <message>
            <location line="+0" filename="../pages/tool_info_page.cpp" />
            <source>Auto</source>
            <translation>Auto</translation>
        </message>
        <message>
            <location line="+0" filename="../pages/tool_info_page.cpp" />
            <source>Com</source>
            <translation>Com</translation>
        </message>
        <message>
            <location line="+1" filename="../pages/tool_info_page.cpp" />
            <source>Quick Connect</source>
            <translation>Conexión rápida</translation>
        </message>
    </context>
    <context>
        <name>rvxmod::app::ToolChainGridView</name>
        <message>
            <location filename="../pages/tool_info/tool_chain_grid_view.cpp" line="+60" />
            <source>Tool</source>
            <translation>Herramienta</translation>
        </message>
        <message>
            <location line="+0" filename="../pages/tool_info/tool_chain_grid_view.cpp" />
            <source>Serial</source>
            <translation>Serie</translation>
        </message>
        <message>
            <location line="+0" filename="../pages/tool_info/tool_chain_grid_view.cpp" />
            <source> Number</source>
            <translation> Número</translation>
        </message>
        <message>
            <location line="+1" filename="../pages/tool_info/tool_chain_grid_view.cpp" />
            <source>Sensor</source>
            <translation>Sensor</translation>
        </message>
        <message>
            <location line="+0" filename="../pages/tool_info/tool_chain_grid_view.cpp" />
            <source>Cal Date</source>
            <translation>Fecha cal.</translation>
        </message>
        <message>
            <location line="+1" filename="../pages/tool_info/tool_chain_grid_view.cpp" />
            <source>Cal File</source>
            <translation>Archivo cal.</translation>
        </message>
        <message>
            <location line="+0" filename="../pages/tool_info/tool_chain_grid_view.cpp" />
            <source>Status</source>
            <translation>Estado</translation>
        </message>
        <message>
            <location line="+1" filename="../pages/tool_info/tool_chain_grid_view.cpp" />
            <source>F/W Date</source>
            <translation>Fecha F/W</translation>
        </message>
    </context>
    <context>
        <name>rvxmod::app::ToolInfoPanel</name>
        <message>
            <location filename="../pages/tool_info/tool_info_panel.cpp" line="+238" />
            <source>Device</source>
            <translation>Dispositivo</translation>
        </message>
        <message>
            <location line="+1" filename="../pages/tool_info/tool_info_panel.cpp" />
            <source>e.g. /dev/ttyUSB0 or a simulator link</source>
            <translation>p. ej. /dev/ttyUSB0 o un enlace al simulador</translation>
        </message>
        <message>
            <location line="+1" filename="../pages/tool_info/tool_info_panel.cpp" />
            <source>Connect</source>
            <translation>Conectar</translation>
        </message>
        <message>
            <location line="+1" filename="../pages/tool_info/tool_info_panel.cpp" />
            <source>Connect tool chain to software</source>
            <translation>Conectar la sarta de herramientas al programa</translation>
        </message>
        <message>
            <location line="+1" filename="../pages/tool_info/tool_info_panel.cpp" />
            <source>Memory Usage</source>
            <translation>Uso de memoria</translation>
        </message>
        <message>
            <location line="+1" filename="../pages/tool_info/tool_info_panel.cpp" />
            <source>Download Job</source>
            <translation>Descargar trabajo</translation>
        </message>
        <message>
            <location line="+1" filename="../pages/tool_info/tool_info_panel.cpp" />
            <source>Download all jobs</source>
            <translation>Descargar todos los trabajos</translation>
        </message>
        <message>
            <location line="+1" filename="../pages/tool_info/tool_info_panel.cpp" />
            <source>Erase All Jobs</source>
            <translation>Borrar todos los trabajos</translation>
        </message>
        <message>
            <location line="+1" filename="../pages/tool_info/tool_info_panel.cpp" />
            <source>Clear</source>
            <translation>Limpiar</translation>
        </message>
    </context>
    <context>
        <name>rvxmod::app::UnitOptions</name>
        <message>
            <location filename="../pages/config/unit_options.cpp" line="+83" />
            <source>Press. Units:</source>
            <translation>Unid. presión:</translation>
        </message>
        <message>
            <location line="+1" filename="../pages/config/unit_options.cpp" />
            <source>Temp. Units:</source>
            <translation>Unid. temp.:</translation>
        </message>
        <message>
            <location line="+1" filename="../pages/config/unit_options.cpp" />
            <source>Rev. Units:</source>
            <translation>Unid. rev.:</translation>
        </message>
        <message>
            <location line="+1" filename="../pages/config/unit_options.cpp" />
            <source>Atmospheric:</source>
            <translation>Atmosférica:</translation>
        </message>
        <message>
            <location line="+1" filename="../pages/config/unit_options.cpp" />
            <source>psiA</source>
            <translation>psiA</translation>
        </message>
        <message>
            <location line="+0" filename="../pages/config/unit_options.cpp" />
            <source>psiG</source>
            <translation>psiG</translation>
        </message>
        <message>
            <location line="+0" filename="../pages/config/unit_options.cpp" />
            <source>kPaA</source>
            <translation>kPaA</translation>
        </message>
        <message>
            <location line="+0" filename="../pages/config/unit_options.cpp" />
            <source>kPaG</source>
            <translation>kPaG</translation>
        </message>
        <message>
            <location line="+0" filename="../pages/config/unit_options.cpp" />
            <source>BarA</source>
            <translation>BarA</translation>
        </message>
        <message>
            <location line="+0" filename="../pages/config/unit_options.cpp" />
            <source>BarG</source>
            <translation>BarG</translation>
        </message>
        <message>
            <location line="+1" filename="../pages/config/unit_options.cpp" />
            <source>MPaA</source>
            <translation>MPaA</translation>
        </message>
        <message>
            <location line="+0" filename="../pages/config/unit_options.cpp" />
            <source>MPaG</source>
            <translation>MPaG</translation>
        </message>
        <message>
            <location line="+0" filename="../pages/config/unit_options.cpp" />
            <source>kg/cm2_A</source>
            <translation>kg/cm2_A</translation>
        </message>
        <message>
            <location line="+0" filename="../pages/config/unit_options.cpp" />
            <source>kg/cm2_G</source>
            <translation>kg/cm2_G</translation>
        </message>
        <message>
            <location line="+1" filename="../pages/config/unit_options.cpp" />
            <source>DegC</source>
            <translation>GradC</translation>
        </message>
        <message>
            <location line="+0" filename="../pages/config/unit_options.cpp" />
            <source>DegF</source>
            <translation>GradF</translation>
        </message>
        <message>
            <location line="+0" filename="../pages/config/unit_options.cpp" />
            <source>Kelvin</source>
            <translation>Kelvin</translation>
        </message>
        <message>
            <location line="+1" filename="../pages/config/unit_options.cpp" />
            <source>Revs/Sec</source>
            <translation>Rev/Seg</translation>
        </message>
        <message>
            <location line="+0" filename="../pages/config/unit_options.cpp" />
            <source>Revs/Min</source>
            <translation>Rev/Min</translation>
        </message>
    </context>
    <context>
        <name>RvxFile</name>
        <message>
            <location filename="../../download/rvx_writer.cpp" line="+39" />
            <source> cannot be not found. Restart download.</source>
            <translation> no se encuentra. Reinicie la descarga.</translation>
        </message>
        <message>
            <location line="+14" filename="../../download/rvx_writer.cpp" />
            <source>Start of job : </source>
            <translation>Comienzo del trabajo : </translation>
        </message>
        <message>
            <location line="+1" filename="../../download/rvx_writer.cpp" />
            <source>Name of File : </source>
            <translation>Nombre del archivo : </translation>
        </message>
        <message>
            <location line="+1" filename="../../download/rvx_writer.cpp" />
            <source>Memory Serial Number: </source>
            <translation>N° de serie de memoria: </translation>
        </message>
        <message>
            <location line="+1" filename="../../download/rvx_writer.cpp" />
            <source>Null Value : </source>
            <translation>Valor nulo : </translation>
        </message>
        <message>
            <location filename="../../download/rvx_columns.cpp" line="+98" />
            <source>Collars</source>
            <translation>Cuplas</translation>
        </message>
        <message>
            <location filename="../../download/rvx_columns.cpp" line="+20" />
            <source>Real</source>
            <translation>Real</translation>
        </message>
        <message>
            <location line="+0" filename="../../download/rvx_columns.cpp" />
            <location line="+22" />
            <source>Time</source>
            <translation>Tiempo</translation>
        </message>
        <message>
            <location line="-21" filename="../../download/rvx_columns.cpp" />
            <source>Hours</source>
            <translation>Horas</translation>
        </message>
        <message>
            <location line="+36" filename="../../download/rvx_columns.cpp" />
            <source>RawP</source>
            <translation>RawP</translation>
        </message>
        <message>
            <location line="+0" filename="../../download/rvx_columns.cpp" />
            <source>RawT</source>
            <translation>RawT</translation>
        </message>
    </context>
    <context>
        <name>Download</name>
        <message>
            <location filename="../../download/datafiles_folder.cpp" line="+31" />
            <source>Select directory to create to save files to</source>
            <translation>Elija el directorio a crear para guardar los archivos</translation>
        </message>
        <message>
            <location line="+11" filename="../../download/datafiles_folder.cpp" />
            <source>Directory already exists. Over write?</source>
            <translation>El directorio ya existe. ¿Sobrescribir?</translation>
        </message>
        <message>
            <location filename="../../download/download_engine.cpp" line="+30" />
            <source>There is no memory module present, cannot download jobs.</source>
            <translation>No hay módulo de memoria, no se pueden descargar trabajos.</translation>
        </message>
        <message>
            <location line="+119" filename="../../download/download_engine.cpp" />
            <source>The data for this job is corrupt. Cannot download.</source>
            <translation>Los datos de este trabajo están dañados. No se puede descargar.</translation>
        </message>
        <message>
            <location line="+5" filename="../../download/download_engine.cpp" />
            <source>Select file to save data to</source>
            <translation>Elija el archivo donde guardar los datos</translation>
        </message>
        <message>
            <location line="+2" filename="../../download/download_engine.cpp" />
            <source>rvx data file(*.rvx)</source>
            <translation>archivo de datos rvx(*.rvx)</translation>
        </message>
        <message>
            <location line="+0" filename="../../download/download_engine.cpp" />
            <source>any files (*.*)</source>
            <translation>todos los archivos (*.*)</translation>
        </message>
        <message>
            <location line="+25" filename="../../download/download_engine.cpp" />
            <source>There are no jobs in memory to download.</source>
            <translation>No hay trabajos en memoria para descargar.</translation>
        </message>
        <message>
            <location filename="../../download/download_engine.cpp" line="-105" />
            <source>Enter the Start Date and Start Time for job </source>
            <translation>Ingrese la fecha y hora de inicio del trabajo </translation>
        </message>
        <message>
            <location line="+30" filename="../../download/download_engine.cpp" />
            <source>Downloading job data. This may take some time...</source>
            <translation>Descargando datos del trabajo. Esto puede tardar...</translation>
        </message>
        <message>
            <location filename="../../download/download_engine.cpp" line="+64" />
            <source> (exact)</source>
            <translation> (exacta)</translation>
        </message>
        <message>
            <location filename="../../download/datafiles_folder.cpp" line="-22" />
            <source>Datafiles</source>
            <translation>Archivosdatos</translation>
        </message>
    </context>
</TS>