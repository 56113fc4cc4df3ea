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

private:
    const ClientConfig &m_config;
};
