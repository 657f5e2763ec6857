VERSION 5.00
Object = "{6E0C4A52-3C3B-4B9A-9F7B-2B7C1D1E4A01}#1.0#0"; "RuntimeProbe.ocx"
Begin VB.Form HostingForm 
   Caption         =   "Hosting"
   ClientHeight    =   3000
   ClientWidth     =   4500
   Begin VB.Frame Frame1 
      Caption         =   "Frame1"
      Height          =   2400
      Left            =   2400
      Top             =   150
      Width           =   1950
      Begin ProbeLibrary.Probe ProbeRow 
         Height          =   600
         Index           =   0
         Left            =   150
         TabIndex        =   1
         Top             =   300
         Width           =   1500
         _ExtentX        =   2646
         _ExtentY        =   1058
      End
      Begin ProbeLibrary.Probe ProbeRow 
         Height          =   600
         Index           =   1
         Left            =   150
         TabIndex        =   2
         Top             =   1200
         Width           =   1500
         _ExtentX        =   2646
         _ExtentY        =   1058
      End
   End
   Begin ProbeLibrary.Probe Probe1 
      Height          =   900
      Left            =   150
      TabIndex        =   0
      Top             =   150
      Width           =   1500
      _ExtentX        =   2646
      _ExtentY        =   1588
      _Version        =   65536
      CAPTION         =   "stored"
      BackColor       =   &H00808080&
      Picture         =   "HostingForm.frx":0000
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "Tahoma"
         Size            =   12
         Charset         =   0
         Weight          =   700
         Underline       =   0   'False
         Italic          =   -1  'True
         Strikethrough   =   0   'False
      EndProperty
      Begin VB.CommandButton Inside 
         Caption         =   "Inside"
         Height          =   375
         Left            =   60
         Top             =   60
         Width           =   975
      End
   End
   Begin ProbeLibrary.Absent Absent1 
      Height          =   600
      Left            =   150
      Top             =   1500
      Width           =   1500
   End
   Begin VB.CommandButton After 
      Caption         =   "After"
      Height          =   375
      Left            =   150
      Top             =   2400
      Width           =   975
   End
End
