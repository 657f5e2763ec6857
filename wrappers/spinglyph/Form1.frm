VERSION 5.00
Begin VB.Form Form1 
   Caption         =   "Form1"
   ClientHeight    =   1200
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   3000
   LinkTopic       =   "Form1"
   ScaleHeight     =   1200
   ScaleWidth      =   3000
   StartUpPosition =   3  'Windows Default
   Begin spinglyph.AnimatedIcon AnimatedIcon1 
      Height          =   480
      Left            =   480
      TabIndex        =   0
      Top             =   240
      Width           =   480
      _ExtentX        =   847
      _ExtentY        =   847
      BackColor       =   &H00C0C0C0&
      AniFileName     =   "GLOBE.ani"
   End
   Begin spinglyph.AnimatedIcon AnimatedIcon2 
      Height          =   480
      Left            =   1260
      TabIndex        =   1
      Top             =   240
      Width           =   480
      _ExtentX        =   847
      _ExtentY        =   847
      AniFileName     =   "APPSTART.ANI"
   End
   Begin spinglyph.AnimatedIcon AnimatedIcon3 
      Height          =   480
      Left            =   2040
      TabIndex        =   2
      Top             =   240
      Width           =   480
      _ExtentX        =   847
      _ExtentY        =   847
      AniFileName     =   "HOURGLAS.ANI"
   End
End
