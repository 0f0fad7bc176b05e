import QtQuick
import Tarvino

// Asks for the name of a project's copy.
EditProjectPopUp {
    title: bindTr("Project", "Projekt duplizieren")
    label: bindTr("Project", "Neues Projekt benennen:")
}
