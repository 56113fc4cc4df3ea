#pragma once

class ClientConfig;

// The application: prepares fonts and messages, then runs the main window
// until it is closed.
class CLexivoApp
{
public:
    explicit CLexivoApp(const ClientConfig &config);

    // Returns the process's exit code.
    int InitInstance();

    // Fonts and messages every window relies on; once per process.
    static void prepare();

private:
    const ClientConfig &m_config;
};
